// Theme movies on the movie keys: start, loop, end, and what the stage pauses meanwhile.
#include "support/teststage.h"

#include <QDir>
#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

namespace {

// The fake player plays any existing file.
void writeTheme(TestStage &t, const QString &theme, const QStringList &names)
{
    QDir().mkpath(t.path(QStringLiteral("theme/") + theme));
    for (const QString &n : names)
        t.writeBytes(QStringLiteral("theme/") + theme + u'/' + n, "movie");
}

QString def(const QString &theme, bool soundOn)
{
    return defText(1, 75, QStringLiteral("T"), theme, 6, {{3, soundOn ? 1 : 0}, {20, 35}});
}

QStringList since(const QStringList &log, qsizetype from)
{
    return log.mid(from);
}

} // namespace

class TestMovie : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keysStartAndEndMovies_data();
    void keysStartAndEndMovies();
    void movieStartsOverAtItsEnd();
    void otherKeysDoNothing_data();
    void otherKeysDoNothing();
    void missingThemeShowsLastMovie();
    void unplayableMovieGivesStageBack();
    void playerCoversWindow();
};

void TestMovie::keysStartAndEndMovies_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<int>("openingMode");
    QTest::newRow("sound on, opening running") << true << int(TimerMode::Multiple);
    QTest::newRow("sound off, opening running") << false << int(TimerMode::Multiple);
    QTest::newRow("sound on, before the first opening tick") << true << int(TimerMode::Single);
    QTest::newRow("sound on, opening off during a draw") << true << int(TimerMode::Off);
}

void TestMovie::keysStartAndEndMovies()
{
    QFETCH(bool, soundOn);
    QFETCH(int, openingMode);

    TestStage t;
    writeTheme(t, QStringLiteral("A"), {"movie_u.mov", "music.wav"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), soundOn));
    MainWin &w = t.open();
    FakeMoviePlayer *player = t.movies.last;
    if (openingMode != int(TimerMode::Single))
        t.advance(500);
    w.opent->setMode(TimerMode(openingMode));
    auto music = t.sound.find(QStringLiteral("music.wav"));
    QCOMPARE(music->looping(), soundOn);

    // "y" has no movie in this theme: nothing happens.
    w.MovieKey(QStringLiteral("y"));
    QVERIFY(!w.mvflag);
    QVERIFY(player->widget()->isHidden());
    QVERIFY(!player->playing());
    QCOMPARE(music->looping(), soundOn);
    QCOMPARE(int(w.opent->mode()), openingMode);

    // "u" shows movie_u; the opening pauses and the music stops, whether sound is on or not.
    qsizetype mark = t.sound.log.size();
    w.MovieKey(QStringLiteral("u"));
    QVERIFY(w.mvflag);
    QVERIFY(!player->widget()->isHidden());
    QVERIFY(player->playing());
    QVERIFY(player->movie().endsWith(QStringLiteral("theme/A/movie_u.mov")));
    QCOMPARE(w.OpenTmode, openingMode);
    QCOMPARE(w.opent->mode(), TimerMode::Off);
    QCOMPARE(since(t.sound.log, mark), QStringList{"stop theme/A/music.wav"});
    const QString noop = w.Noop->text();
    t.advance(5000);
    QCOMPARE(w.Noop->text(), noop);

    // "y" ends the movie on show rather than looking for its own.
    mark = t.sound.log.size();
    const qsizetype movieMark = player->log.size();
    w.MovieKey(QStringLiteral("y"));
    QVERIFY(!w.mvflag);
    QVERIFY(player->widget()->isHidden());
    QVERIFY(!player->playing());
    // Hidden before it was stopped, so the stop did not start it over.
    QCOMPARE(since(player->log, movieMark), QStringList{"stop"});
    QCOMPARE(int(w.opent->mode()), openingMode);
    const QStringList resumed =
        soundOn ? QStringList{"volume theme/A/music.wav 35", "loop theme/A/music.wav"} : QStringList{};
    QCOMPARE(since(t.sound.log, mark), resumed);
}

void TestMovie::movieStartsOverAtItsEnd()
{
    TestStage t;
    writeTheme(t, QStringLiteral("A"), {"movie_y.mov"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), true));
    MainWin &w = t.open();
    FakeMoviePlayer *player = t.movies.last;
    w.MovieKey(QStringLiteral("y"));
    const qsizetype mark = player->log.size();
    player->reachEnd();
    player->reachEnd();
    QCOMPARE(since(player->log, mark), (QStringList{"end", "play movie_y.mov", "end", "play movie_y.mov"}));
    QVERIFY(player->playing());
    QVERIFY(w.mvflag);

    // Ended by a key, and at its end no longer: it stays stopped.
    w.MovieKey(QStringLiteral("p"));
    player->reachEnd();
    QVERIFY(!player->playing());
}

void TestMovie::otherKeysDoNothing_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("shows");
    QTest::newRow("lower case y") << QStringLiteral("y") << true;
    QTest::newRow("upper case Y") << QStringLiteral("Y") << true;
    QTest::newRow("letter without a movie key") << QStringLiteral("a") << false;
    QTest::newRow("s is no movie key") << QStringLiteral("s") << false;
    QTest::newRow("two letters") << QStringLiteral("yy") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("climbing name") << QStringLiteral("../y") << false;
}

void TestMovie::otherKeysDoNothing()
{
    QFETCH(QString, key);
    QFETCH(bool, shows);
    TestStage t;
    writeTheme(t, QStringLiteral("A"), {"movie_y.mov", "movie_.mov", "movie_a.mov", "movie_s.mov"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), true));
    MainWin &w = t.open();
    w.MovieKey(key);
    QCOMPARE(w.mvflag, shows);
    QCOMPARE(t.movies.last->playing(), shows);
    if (shows)
        QVERIFY(t.movies.last->movie().endsWith(QStringLiteral("movie_y.mov")));
}

void TestMovie::missingThemeShowsLastMovie()
{
    TestStage t;
    writeTheme(t, QStringLiteral("A"), {"movie_y.mov"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), true));
    MainWin &w = t.open();
    w.MovieKey(QStringLiteral("y"));
    w.MovieKey(QStringLiteral("y"));
    QVERIFY(!w.mvflag);

    w.theme = QStringLiteral("消えたテーマ");
    w.MovieKey(QStringLiteral("u"));
    QVERIFY(w.mvflag);
    QVERIFY(t.movies.last->movie().endsWith(QStringLiteral("movie_y.mov")));

    // A theme that is there but has no movie for the key leaves the player empty.
    w.MovieKey(QStringLiteral("u"));
    writeTheme(t, QStringLiteral("B"), {});
    w.theme = QStringLiteral("B");
    w.MovieKey(QStringLiteral("y"));
    QVERIFY(!w.mvflag);
    QVERIFY(!t.movies.last->hasMovie());
}

void TestMovie::unplayableMovieGivesStageBack()
{
    TestStage t;
    writeTheme(t, QStringLiteral("A"), {"movie_y.mov", "music.wav"});
    t.writeText(QStringLiteral("def.txt"), def(QStringLiteral("A"), true));
    MainWin &w = t.open();
    t.advance(500);
    w.MovieKey(QStringLiteral("y"));
    QVERIFY(w.mvflag);

    // The player finds out only while playing that the file is no movie, and stops empty.
    t.movies.last->clear();
    t.movies.last->onStopped();
    QVERIFY(!w.mvflag);
    QVERIFY(t.movies.last->widget()->isHidden());
    QCOMPARE(w.opent->mode(), TimerMode::Multiple);
    QVERIFY(t.sound.find(QStringLiteral("music.wav"))->looping());
}

void TestMovie::playerCoversWindow()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), def(QString(), true));
    MainWin &w = t.open();
    QWidget *player = t.movies.last->widget();
    auto covering = [&] { return QRect(-1, -1, w.view->width() + 30, w.view->height() + 20); };
    QCOMPARE(player->geometry(), covering());
    w.resize(1111, 777);
    QApplication::processEvents();
    QCOMPARE(player->geometry(), covering());
}

QTEST_MAIN(TestMovie)
#include "tst_movie.moc"
