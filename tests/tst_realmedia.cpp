// The Qt Multimedia backends on real files: what they refuse, and that real ones play.
#include "platform/qtmedia.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QtEndian>
#include <cmath>

using namespace zelvo;

namespace {

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const QByteArray &id, const QByteArray &body)
{
    QByteArray c = id + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        c.append('\0');
    return c;
}

QByteArray fmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = quint16(channels * bits / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

// A mono 16-bit tone of the given length.
QByteArray tone(int ms, int rate = 22050)
{
    QByteArray pcm;
    const int n = rate * ms / 1000;
    for (int i = 0; i < n; ++i)
        pcm += le16(quint16(qint16(8000 * std::sin(2 * M_PI * 440.0 * i / rate))));
    return pcm;
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

QByteArray wave(int ms)
{
    return riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", tone(ms)));
}

} // namespace

class TestRealMedia : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void recognisesWaveFiles_data();
    void recognisesWaveFiles();
    void refusesWhatIsNoSound();
    void soundsNeverStallWithoutDevice();
    void playsRealWave();
    void recognisesMovieFiles_data();
    void recognisesMovieFiles();
    void playsRealMovieToItsEnd();
    void brokenMovieGivesUp();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

QString TestRealMedia::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(bytes);
    return path;
}

void TestRealMedia::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestRealMedia::recognisesWaveFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("wave");

    const QByteArray fmt = chunk("fmt ", fmtBody(1, 2, 44100, 16));
    const QByteArray data = chunk("data", tone(20));
    QTest::newRow("pcm") << riff(fmt + data) << true;
    QTest::newRow("list chunk before format") << riff(chunk("LIST", "INFOabc") + fmt + data) << true;
    QTest::newRow("float samples") << riff(chunk("fmt ", fmtBody(3, 1, 48000, 32)) + data) << true;
    QTest::newRow("extensible header")
        << riff(chunk("fmt ", fmtBody(0xFFFE, 2, 48000, 24) + le16(22) + QByteArray(22, '\0')) + data)
        << true;
    QTest::newRow("data cut short") << riff(fmt + chunk("data", tone(20))).left(200) << true;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("text named wav") << QByteArray("これは音ではありません").append('\n') << false;
    QTest::newRow("riff of another kind") << QByteArray("RIFF" + le32(100) + "AVI " + fmt + data) << false;
    QTest::newRow("header only") << riff(QByteArray()) << false;
    QTest::newRow("no format chunk") << riff(data) << false;
    QTest::newRow("no data chunk") << riff(fmt) << false;
    QTest::newRow("empty data") << riff(fmt + chunk("data", QByteArray())) << false;
    QTest::newRow("compressed samples") << riff(chunk("fmt ", fmtBody(0x55, 2, 44100, 16)) + data) << false;
    QTest::newRow("no channels") << riff(chunk("fmt ", fmtBody(1, 0, 44100, 16)) + data) << false;
    QTest::newRow("short format") << riff(chunk("fmt ", fmtBody(1, 1, 44100, 16).left(10)) + data) << false;
    QTest::newRow("chunk larger than file")
        << riff(chunk("junk", "x").replace(4, 4, le32(0x7fffffff)) + fmt + data) << false;
}

void TestRealMedia::recognisesWaveFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, wave);
    const QString path = write(QStringLiteral("probe.wav"), bytes);
    QCOMPARE(isWaveFile(path), wave);
}

void TestRealMedia::refusesWhatIsNoSound()
{
    QtSoundBackend backend;
    const QString text = write(QStringLiteral("text.wav"), "not a sound\n");
    for (SoundKind kind : {SoundKind::Effect, SoundKind::Music}) {
        QVERIFY(!backend.open(text, kind));
        QVERIFY(!backend.open(m_dir.filePath(QStringLiteral("absent.wav")), kind));
        QVERIFY(!backend.open(m_dir.path(), kind));
    }
}

void TestRealMedia::soundsNeverStallWithoutDevice()
{
    // Whatever the machine has (often no audio device at all here), every call returns and
    // nothing crashes, also when the sounds are dropped while they play.
    QtSoundBackend backend;
    const QString path = write(QStringLiteral("short.wav"), wave(50));
    for (SoundKind kind : {SoundKind::Effect, SoundKind::Music}) {
        std::shared_ptr<Sound> s = backend.open(path, kind);
        QVERIFY(s);
        s->setVolume(50);
        s->loop();
        s->loop();
        s->play();
        QTest::qWait(50);
        s->stop();
        s->stop();
        s->loop();
        s.reset();
    }
}

void TestRealMedia::playsRealWave()
{
    // Without a device the players report playing and never get anywhere: nothing to see.
    if (QMediaDevices::audioOutputs().isEmpty())
        QSKIP("no audio output device on this machine");
    QtSoundBackend backend;
    const QString path = write(QStringLiteral("tone.wav"), wave(300));
    std::shared_ptr<Sound> effect = backend.open(path, SoundKind::Effect);
    QVERIFY(effect);
    effect->play();
    QTRY_VERIFY_WITH_TIMEOUT(effect->isPlaying(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(!effect->isPlaying(), 5000);

    std::shared_ptr<Sound> music = backend.open(path, SoundKind::Music);
    QVERIFY(music);
    music->play();
    QTRY_VERIFY_WITH_TIMEOUT(!music->isPlaying(), 5000);
    music->loop();
    QVERIFY(music->isPlaying());
    // Past the end of the file it still plays: it loops.
    QTest::qWait(1000);
    QVERIFY(music->isPlaying());
    music->stop();
    QVERIFY(!music->isPlaying());
}

void TestRealMedia::recognisesMovieFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("movie");
    QTest::newRow("ftyp first") << QByteArray("\0\0\0\x14"
                                              "ftypqt  ",
                                              12)
                                << true;
    QTest::newRow("wide then mdat") << QByteArray("\0\0\0\x08"
                                                  "wide\0\0\0\x10"
                                                  "mdat",
                                                  16)
                                    << true;
    QTest::newRow("moov first") << QByteArray("\0\0\0\x10"
                                              "moov",
                                              8)
                                << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("jpeg named mov") << QByteArray("\xff\xd8\xff\xe0\0\x10JFIF", 10) << false;
    QTest::newRow("text named mov") << QByteArray("movie_y\n") << false;
}

void TestRealMedia::recognisesMovieFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, movie);
    const QString path = write(QStringLiteral("probe.mov"), bytes);
    QCOMPARE(isQuickTimeFile(path), movie);
    QWidget parent;
    QtMovieBackend backend;
    std::unique_ptr<MoviePlayer> player = backend.createPlayer(&parent);
    QCOMPARE(player->open(path), movie);
    QCOMPARE(player->hasMovie(), movie);
}

void TestRealMedia::playsRealMovieToItsEnd()
{
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty())
        QSKIP("ffmpeg is not installed, so no movie can be made for this test");
    const QString path = m_dir.filePath(QStringLiteral("movie_y.mov"));
    QProcess make;
    // With a sound track, which must not hold the picture back on a machine without audio.
    const QStringList args = QStringLiteral("-hide_banner -loglevel error -f lavfi -i "
                                            "testsrc=size=64x48:rate=10:duration=0.5 -f lavfi -i "
                                            "sine=frequency=440:duration=0.5 -c:v mjpeg -c:a pcm_s16le "
                                            "-shortest -f mov -y")
                                 .split(u' ');
    make.start(ffmpeg, args + QStringList{path});
    QVERIFY(make.waitForFinished(60000));
    if (make.exitCode() != 0)
        QSKIP(qPrintable(QStringLiteral("ffmpeg could not make an MJPEG movie: ") +
                         QString::fromLocal8Bit(make.readAllStandardError())));

    QWidget parent;
    parent.resize(160, 120);
    QtMovieBackend backend;
    std::unique_ptr<MoviePlayer> player = backend.createPlayer(&parent);
    int stops = 0;
    player->onStopped = [&] { ++stops; };
    QVERIFY(player->open(path));
    player->widget()->setGeometry(parent.rect());
    parent.show();
    player->play();
    // Half a second of movie: it stops by itself at its end, once, and does not loop on its own.
    QTRY_COMPARE_WITH_TIMEOUT(stops, 1, 10000);
    QVERIFY(player->hasMovie());
    QTest::qWait(800);
    QCOMPARE(stops, 1);
    // Played again from its end, it runs and ends again.
    player->play();
    QTRY_COMPARE_WITH_TIMEOUT(stops, 2, 10000);
}

void TestRealMedia::brokenMovieGivesUp()
{
    // Begins as a movie, is none: the player finds out only when it tries, or gives up waiting.
    QByteArray bytes("\0\0\0\x14"
                     "ftypqt  \0\0\0\0qt  ",
                     20);
    bytes.append(QByteArray(4000, 'x'));
    const QString path = write(QStringLiteral("broken.mov"), bytes);
    QWidget parent;
    QtMovieBackend backend;
    std::unique_ptr<MoviePlayer> player = backend.createPlayer(&parent);
    int stops = 0;
    player->onStopped = [&] { ++stops; };
    QVERIFY(player->open(path));
    parent.show();
    player->widget()->show();
    player->play();
    QTRY_VERIFY_WITH_TIMEOUT(stops > 0, 10000);
    QVERIFY(!player->hasMovie());
}

QTEST_MAIN(TestRealMedia)
#include "tst_realmedia.moc"
