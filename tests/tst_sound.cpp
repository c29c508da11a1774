// Theme sounds on the stage: loading, the five roles, the sound button and the music.
#include "support/teststage.h"

#include <QDir>
#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

namespace {

const QStringList kEffects{"sound_s1.wav", "sound_s2.wav", "sound_k1.wav", "sound_k2.wav"};

// The fake opens any existing file as a sound; the bytes do not matter.
void writeSounds(TestStage &t, const QString &folder, const QStringList &names)
{
    QDir().mkpath(t.path(folder));
    for (const QString &n : names)
        t.writeBytes(folder + u'/' + n, "RIFF");
}

QString def(const QString &theme, bool soundOn, int volume = 35)
{
    return defText(1, 75, QStringLiteral("T"), theme, 6, {{3, soundOn ? 1 : 0}, {20, volume}});
}

// What each entry of msound was opened from, "" for an empty entry.
QStringList entries(const MainWin &w, const FakeSoundBackend &backend)
{
    QStringList out;
    for (const auto &s : w.msound) {
        const auto *f = dynamic_cast<const FakeSound *>(s.get());
        out << (f ? backend.relative(f->name()) : QString());
    }
    return out;
}

QStringList since(const QStringList &log, qsizetype from)
{
    return log.mid(from);
}

// Refuses the files it is told to (relative paths), as a backend refuses what is no sound.
class RefusingBackend : public SoundBackend
{
public:
    RefusingBackend(FakeSoundBackend *inner, QStringList refused)
        : m_inner(inner), m_refused(std::move(refused))
    {
    }
    std::shared_ptr<Sound> open(const QString &path, SoundKind kind) override
    {
        return m_refused.contains(m_inner->relative(path)) ? nullptr : m_inner->open(path, kind);
    }

private:
    FakeSoundBackend *m_inner;
    QStringList m_refused;
};

bool iconShows(const QPushButton *button, const QImage &picture)
{
    if (picture.isNull())
        return true; // the artwork is not in this build
    const QImage icon =
        button->icon().pixmap(picture.size()).toImage().convertToFormat(QImage::Format_ARGB32);
    return icon == picture.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadsThemeThenDefaults_data();
    void loadsThemeThenDefaults();
    void playsEachRoleItsWay_data();
    void playsEachRoleItsWay();
    void soundOffStartsNothingButStillStops();
    void soundOffDuringSpinStopsOnlyMusic();
    void soundButtonGivesMusicItsVolume();
    void themeSwitchReplacesMusic_data();
    void themeSwitchReplacesMusic();
    void missingThemeKeepsSounds();
};

void TestSound::loadsThemeThenDefaults_data()
{
    QTest::addColumn<QStringList>("themeFiles");
    QTest::addColumn<QStringList>("defaultFiles");
    QTest::addColumn<QStringList>("undecodable");
    QTest::addColumn<QStringList>("expected");

    const QString a = QStringLiteral("theme/A/");
    const QString d = QStringLiteral("sound/");
    QTest::newRow("theme has all five")
        << (kEffects + QStringList{"music.wav"}) << kEffects << QStringList{}
        << QStringList{a + kEffects[0], a + kEffects[1], a + kEffects[2], a + kEffects[3], a + "music.wav"};
    QTest::newRow("theme has none: four defaults, no music")
        << QStringList{} << kEffects << QStringList{}
        << QStringList{d + kEffects[0], d + kEffects[1], d + kEffects[2], d + kEffects[3], ""};
    QTest::newRow("each effect from where it is")
        << QStringList{kEffects[0], kEffects[3]} << QStringList{kEffects[1]} << QStringList{}
        << QStringList{a + kEffects[0], d + kEffects[1], "", a + kEffects[3], ""};
    QTest::newRow("theme file that is no sound gives the default")
        << kEffects << kEffects << QStringList{a + kEffects[1]}
        << QStringList{a + kEffects[0], d + kEffects[1], a + kEffects[2], a + kEffects[3], ""};
    QTest::newRow("music that is no sound gives no music")
        << QStringList{"music.wav"} << QStringList{} << QStringList{a + "music.wav"}
        << QStringList{"", "", "", "", ""};
    QTest::newRow("music in the default folder is not used")
        << QStringList{} << QStringList{"music.wav"} << QStringList{} << QStringList{"", "", "", "", ""};
    QTest::newRow("names in other case")
        << QStringList{"SOUND_S1.WAV", "Music.wav"} << QStringList{} << QStringList{}
        << QStringList{a + "SOUND_S1.WAV", "", "", "", a + "Music.wav"};
}

void TestSound::loadsThemeThenDefaults()
{
    QFETCH(QStringList, themeFiles);
    QFETCH(QStringList, defaultFiles);
    QFETCH(QStringList, undecodable);
    QFETCH(QStringList, expected);

    TestStage t;
    writeSounds(t, QStringLiteral("theme/A"), themeFiles);
    writeSounds(t, QStringLiteral("sound"), defaultFiles);
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), true));
    MainWin &w = t.open();
    RefusingBackend refusing(&t.sound, undecodable);
    w.pf.sound = &refusing;
    const qsizetype mark = t.sound.log.size();
    w.SoundSet();
    QCOMPARE(entries(w, t.sound), expected);
    // The music, when there is one, is on at its volume; nothing else sounds.
    QStringList started;
    for (const QString &line : since(t.sound.log, mark)) {
        if (!line.startsWith(QStringLiteral("stop ")))
            started << line;
    }
    const QString music = expected[4];
    const QStringList running = music.isEmpty()
                                    ? QStringList{}
                                    : QStringList{QStringLiteral("volume %1 35").arg(music), "loop " + music};
    QCOMPARE(started, running);
}

void TestSound::playsEachRoleItsWay_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("0 number spin loops") << 0 << QStringList{"loop theme/A/sound_s1.wav"};
    QTest::newRow("1 number hit once") << 1 << QStringList{"play theme/A/sound_s2.wav"};
    QTest::newRow("2 prize spin loops") << 2 << QStringList{"loop theme/A/sound_k1.wav"};
    QTest::newRow("3 prize hit once") << 3 << QStringList{"play theme/A/sound_k2.wav"};
    QTest::newRow("4 music is not played here") << 4 << QStringList{};
    QTest::newRow("5 no such sound") << 5 << QStringList{};
    QTest::newRow("-1 no such sound") << -1 << QStringList{};
}

void TestSound::playsEachRoleItsWay()
{
    QFETCH(int, index);
    QFETCH(QStringList, log);
    TestStage t;
    writeSounds(t, QStringLiteral("theme/A"), kEffects + QStringList{"music.wav"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), true));
    MainWin &w = t.open();
    const qsizetype mark = t.sound.log.size();
    w.SoundPlay(index);
    QCOMPARE(since(t.sound.log, mark), log);
}

void TestSound::soundOffStartsNothingButStillStops()
{
    TestStage t;
    writeSounds(t, QStringLiteral("theme/A"), kEffects + QStringList{"music.wav"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), false));
    MainWin &w = t.open();
    QVERIFY(!w.sFlag);
    QVERIFY(w.msound[4]);
    for (int i = 0; i < 5; ++i)
        w.SoundPlay(i);
    for (const QString &line : t.sound.log)
        QVERIFY2(line.startsWith(QStringLiteral("stop ")), qPrintable(line));

    // A loop started while sound was on is still stopped after it went off.
    w.soundBtn_Action();
    w.SoundPlay(2);
    w.soundBtn_Action();
    QVERIFY(t.sound.find(QStringLiteral("sound_k1.wav"))->looping());
    w.SoundStop(2);
    QVERIFY(!t.sound.find(QStringLiteral("sound_k1.wav"))->isPlaying());
    QCOMPARE(t.sound.log.last(), QStringLiteral("stop theme/A/sound_k1.wav"));
}

void TestSound::soundOffDuringSpinStopsOnlyMusic()
{
    TestStage t;
    writeSounds(t, QStringLiteral("theme/A"), kEffects + QStringList{"music.wav"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), true));
    MainWin &w = t.open();
    auto music = t.sound.find(QStringLiteral("music.wav"));
    auto spin = t.sound.find(QStringLiteral("sound_s1.wav"));
    auto hit = t.sound.find(QStringLiteral("sound_s2.wav"));
    QVERIFY(music->looping());

    // What the start of a spin asks for.
    w.SoundPlay(0);
    QVERIFY(spin->looping());
    w.soundBtn->click();
    QVERIFY(!w.sFlag);
    QVERIFY(!music->isPlaying());
    QVERIFY(spin->looping());
    QVERIFY(iconShows(w.soundBtn, w.pictures.get(QStringLiteral("s_off.gif"))));

    // The announcement stops the spin sound; the hit stays silent with sound off.
    const qsizetype mark = t.sound.log.size();
    w.SoundStop(0);
    w.SoundPlay(1);
    QCOMPARE(since(t.sound.log, mark), QStringList{"stop theme/A/sound_s1.wav"});
    QVERIFY(!hit->isPlaying());
}

void TestSound::soundButtonGivesMusicItsVolume()
{
    TestStage t;
    writeSounds(t, QStringLiteral("theme/A"), {"music.wav"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), false, 35));
    MainWin &w = t.open();
    QVERIFY(iconShows(w.soundBtn, w.pictures.get(QStringLiteral("s_off.gif"))));
    // Loaded while sound was off: its first start sets the volume too.
    qsizetype mark = t.sound.log.size();
    w.soundBtn->click();
    QVERIFY(w.sFlag);
    QVERIFY(iconShows(w.soundBtn, w.pictures.get(QStringLiteral("s_on.gif"))));
    QCOMPARE(since(t.sound.log, mark),
             (QStringList{"volume theme/A/music.wav 35", "loop theme/A/music.wav"}));

    // The slider moved meanwhile: the next start uses the new volume.
    w.soundBtn->click();
    w.sousa[20] = 80;
    mark = t.sound.log.size();
    w.soundBtn->click();
    QCOMPARE(since(t.sound.log, mark),
             (QStringList{"volume theme/A/music.wav 80", "loop theme/A/music.wav"}));
}

void TestSound::themeSwitchReplacesMusic_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<bool>("newHasMusic");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("to a theme with music")
        << true << true
        << QStringList{"stop theme/A/music.wav", "volume theme/B/music.wav 35", "loop theme/B/music.wav"};
    QTest::newRow("to a theme without music") << true << false << QStringList{"stop theme/A/music.wav"};
    QTest::newRow("sound off, to a theme with music")
        << false << true << QStringList{"stop theme/A/music.wav"};
}

void TestSound::themeSwitchReplacesMusic()
{
    QFETCH(bool, soundOn);
    QFETCH(bool, newHasMusic);
    QFETCH(QStringList, log);

    TestStage t;
    writeSounds(t, QStringLiteral("theme/A"), kEffects + QStringList{"music.wav"});
    writeSounds(t, QStringLiteral("theme/B"), newHasMusic ? QStringList{"music.wav"} : QStringList{});
    writeSounds(t, QStringLiteral("sound"), kEffects);
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), soundOn));
    MainWin &w = t.open();

    // As the settings window does when a theme is picked.
    const qsizetype mark = t.sound.log.size();
    w.theme = QStringLiteral("B");
    w.Drawback();
    w.SoundSet();
    QCOMPARE(since(t.sound.log, mark), log);
    QCOMPARE(entries(w, t.sound),
             (QStringList{"sound/sound_s1.wav", "sound/sound_s2.wav", "sound/sound_k1.wav",
                          "sound/sound_k2.wav", newHasMusic ? "theme/B/music.wav" : ""}));

    // The old theme's music never comes back on the sound button.
    w.soundBtn_Action();
    w.soundBtn_Action();
    for (const QString &line : since(t.sound.log, mark))
        QVERIFY2(!line.contains(QStringLiteral("theme/A/music.wav")) ||
                     line.startsWith(QStringLiteral("stop ")),
                 qPrintable(line));
}

void TestSound::missingThemeKeepsSounds()
{
    TestStage t;
    writeSounds(t, QStringLiteral("theme/A"), kEffects + QStringList{"music.wav"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), true));
    MainWin &w = t.open();
    const QStringList before = entries(w, t.sound);
    const qsizetype mark = t.sound.log.size();
    w.theme = QStringLiteral("消えたテーマ");
    w.SoundSet();
    QCOMPARE(entries(w, t.sound), before);
    QVERIFY(since(t.sound.log, mark).isEmpty());
    QVERIFY(t.sound.find(QStringLiteral("music.wav"))->looping());
}

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
