#include "platform/qtmedia.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>
#include <QtEndian>
#include <algorithm>

namespace zelvo {

namespace {

// Slider volume (as the ear hears it) to the linear gain the outputs take.
float gain(int volume)
{
    const qreal v = std::clamp(volume, 0, 100) / 100.0;
    return float(QAudio::convertVolume(v, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
}

// With no output device (a projector PC with sound off) the players run without one.
bool haveAudioOutput()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

class EffectSound : public Sound
{
public:
    explicit EffectSound(const QUrl &url)
    {
        // Decoded now, so that play() needs no file access.
        m_effect.setSource(url);
    }
    ~EffectSound() override { m_effect.stop(); }

    void play() override
    {
        m_effect.setLoopCount(1);
        m_effect.play();
    }
    void loop() override
    {
        // Looping again is harmless: the running loop goes on.
        if (m_effect.isPlaying() && m_effect.loopCount() == QSoundEffect::Infinite)
            return;
        m_effect.setLoopCount(QSoundEffect::Infinite);
        m_effect.play();
    }
    void stop() override { m_effect.stop(); }
    void setVolume(int volume) override { m_effect.setVolume(gain(volume)); }
    bool isPlaying() const override { return m_effect.isPlaying(); }

private:
    QSoundEffect m_effect;
};

class MusicSound : public Sound
{
public:
    explicit MusicSound(const QUrl &url)
    {
        if (haveAudioOutput()) {
            m_output = new QAudioOutput(&m_player);
            m_player.setAudioOutput(m_output);
        }
        m_player.setSource(url);
    }
    ~MusicSound() override { m_player.stop(); }

    void play() override
    {
        m_player.setLoops(1);
        m_player.play();
    }
    void loop() override
    {
        m_player.setLoops(QMediaPlayer::Infinite);
        if (m_player.playbackState() != QMediaPlayer::PlayingState)
            m_player.play();
    }
    void stop() override { m_player.stop(); }
    void setVolume(int volume) override
    {
        if (m_output)
            m_output->setVolume(gain(volume));
    }
    bool isPlaying() const override { return m_player.playbackState() == QMediaPlayer::PlayingState; }

private:
    QMediaPlayer m_player;
    QAudioOutput *m_output = nullptr;
};

class QtMoviePlayer : public MoviePlayer
{
public:
    explicit QtMoviePlayer(QWidget *parent) : m_widget(new QVideoWidget(parent))
    {
        // Keys belong to the stage. A QVideoWidget has no controls and no frame of its own.
        m_widget->setFocusPolicy(Qt::NoFocus);
        m_player.setVideoOutput(m_widget);
        if (haveAudioOutput()) {
            m_output = new QAudioOutput(&m_player);
            m_player.setAudioOutput(m_output);
        }
        m_player.setLoops(1);
        // Queued: the stop handler may play again, which QMediaPlayer should not get from
        // inside its own state change.
        QObject::connect(
            &m_player, &QMediaPlayer::playbackStateChanged, &m_context,
            [this](QMediaPlayer::PlaybackState state) {
                if (state == QMediaPlayer::StoppedState && onStopped)
                    onStopped();
            },
            Qt::QueuedConnection);
        QObject::connect(
            &m_player, &QMediaPlayer::errorOccurred, &m_context,
            [this](QMediaPlayer::Error error) {
                if (error != QMediaPlayer::NoError)
                    giveUp();
            },
            Qt::QueuedConnection);
        QObject::connect(&m_player, &QMediaPlayer::mediaStatusChanged, &m_context,
                         [this](QMediaPlayer::MediaStatus status) {
                             if (isLoaded(status))
                                 m_loadWatch.stop();
                         });
        // Some files that begin like a movie keep the decoder waiting without an error;
        // a real movie is ready to show long before this.
        m_loadWatch.setSingleShot(true);
        m_loadWatch.setInterval(kLoadTimeoutMs);
        QObject::connect(&m_loadWatch, &QTimer::timeout, &m_context, [this] {
            if (m_hasMovie && !isLoaded(m_player.mediaStatus()))
                giveUp();
        });
    }

    ~QtMoviePlayer() override
    {
        QObject::disconnect(&m_player, nullptr, &m_context, nullptr);
        m_player.stop();
        m_player.setVideoOutput(static_cast<QObject *>(nullptr));
    }

    QWidget *widget() override { return m_widget; }

    bool open(const QString &path) override
    {
        m_loadWatch.stop();
        m_player.stop();
        m_hasMovie = isQuickTimeFile(path);
        m_player.setSource(m_hasMovie ? QUrl::fromLocalFile(path) : QUrl());
        return m_hasMovie;
    }
    void clear() override
    {
        m_loadWatch.stop();
        m_player.stop();
        m_player.setSource(QUrl());
        m_hasMovie = false;
    }
    bool hasMovie() const override { return m_hasMovie; }
    void play() override
    {
        if (!m_hasMovie)
            return;
        if (!isLoaded(m_player.mediaStatus()))
            m_loadWatch.start();
        m_player.play();
    }
    void stop() override { m_player.stop(); }

private:
    static bool isLoaded(QMediaPlayer::MediaStatus status)
    {
        return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
               status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::EndOfMedia;
    }

    // A file that looked like a movie but does not play: the player holds none.
    void giveUp()
    {
        m_loadWatch.stop();
        m_hasMovie = false;
        m_player.stop();
        if (onStopped)
            onStopped();
    }

    static constexpr int kLoadTimeoutMs = 5000;

    QObject m_context;
    QTimer m_loadWatch;
    QVideoWidget *m_widget;
    QMediaPlayer m_player;
    QAudioOutput *m_output = nullptr;
    bool m_hasMovie = false;
};

quint32 le32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 le16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

} // namespace

bool isWaveFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return false;
    bool format = false;
    // A header is a handful of chunks; a file that never reaches its data is no sound.
    for (int chunks = 0; chunks < 64; ++chunks) {
        const QByteArray chunk = f.read(8);
        if (chunk.size() < 8)
            return false;
        const QByteArray id = chunk.left(4);
        const quint32 size = le32(chunk.constData() + 4);
        if (id == "fmt ") {
            if (size < 16)
                return false;
            const QByteArray fmt = f.read(16);
            if (fmt.size() < 16)
                return false;
            const quint16 tag = le16(fmt.constData());
            const quint16 channels = le16(fmt.constData() + 2);
            const quint32 rate = le32(fmt.constData() + 4);
            const quint16 bits = le16(fmt.constData() + 14);
            // PCM, IEEE float, or the extensible header that wraps them.
            const bool knownTag = tag == 1 || tag == 3 || tag == 0xFFFE;
            if (!knownTag || channels < 1 || channels > 8 || rate < 1000 || rate > 384000 ||
                (bits != 8 && bits != 16 && bits != 24 && bits != 32))
                return false;
            format = true;
            if (!f.seek(f.pos() + (size - 16) + (size & 1)))
                return false;
        } else if (id == "data") {
            return format && size > 0;
        } else if (!f.seek(f.pos() + qint64(size) + (size & 1)) || f.pos() > f.size()) {
            return false;
        }
    }
    return false;
}

bool isQuickTimeFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(8);
    if (head.size() < 8)
        return false;
    static const char *const kAtoms[] = {"ftyp", "moov", "mdat", "wide", "free", "skip", "pnot"};
    const QByteArray atom = head.mid(4, 4);
    return std::any_of(std::begin(kAtoms), std::end(kAtoms), [&](const char *a) { return atom == a; });
}

std::shared_ptr<Sound> QtSoundBackend::open(const QString &path, SoundKind kind)
{
    if (!QFileInfo(path).isFile() || !isWaveFile(path))
        return nullptr;
    const QUrl url = QUrl::fromLocalFile(path);
    if (kind == SoundKind::Effect)
        return std::make_shared<EffectSound>(url);
    return std::make_shared<MusicSound>(url);
}

std::unique_ptr<MoviePlayer> QtMovieBackend::createPlayer(QWidget *parent)
{
    return std::make_unique<QtMoviePlayer>(parent);
}

} // namespace zelvo
