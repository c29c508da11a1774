#include "support/fakes.h"

#include <QFileInfo>

namespace zelvo::test {

void FakeSound::play()
{
    m_playing = true;
    m_looping = false;
    m_backend->log.append(QStringLiteral("play ") + m_name);
}

void FakeSound::loop()
{
    m_playing = true;
    m_looping = true;
    m_backend->log.append(QStringLiteral("loop ") + m_name);
}

void FakeSound::stop()
{
    m_playing = false;
    m_looping = false;
    m_backend->log.append(QStringLiteral("stop ") + m_name);
}

void FakeSound::setVolume(int volume)
{
    m_volume = volume;
    m_backend->log.append(QStringLiteral("volume %1 %2").arg(m_name).arg(volume));
}

QString FakeSoundBackend::relative(const QString &path) const
{
    QString p = path;
    if (!root.isEmpty() && p.startsWith(root))
        p = p.mid(root.size());
    while (p.startsWith(u'/'))
        p.remove(0, 1);
    return p;
}

std::shared_ptr<Sound> FakeSoundBackend::open(const QString &path, SoundKind)
{
    const QFileInfo info(path);
    if (!info.isFile() || undecodable.contains(info.fileName()))
        return nullptr;
    auto sound = std::make_shared<FakeSound>(this, relative(path));
    opened.append(sound);
    return sound;
}

std::shared_ptr<FakeSound> FakeSoundBackend::find(const QString &pathEnd) const
{
    for (auto it = opened.crbegin(); it != opened.crend(); ++it) {
        if ((*it)->name().endsWith(pathEnd))
            return *it;
    }
    return nullptr;
}

FakeMoviePlayer::FakeMoviePlayer(QWidget *parent) : m_widget(new QWidget(parent)) {}

bool FakeMoviePlayer::open(const QString &path)
{
    log.append(QStringLiteral("open ") + QFileInfo(path).fileName());
    m_movie = QFileInfo(path).isFile() ? path : QString();
    m_playing = false;
    return !m_movie.isEmpty();
}

void FakeMoviePlayer::play()
{
    if (m_movie.isEmpty())
        return;
    m_playing = true;
    log.append(QStringLiteral("play ") + QFileInfo(m_movie).fileName());
}

void FakeMoviePlayer::stop()
{
    log.append(QStringLiteral("stop"));
    const bool was = m_playing;
    m_playing = false;
    if (was && onStopped)
        onStopped();
}

void FakeMoviePlayer::reachEnd()
{
    if (!m_playing)
        return;
    m_playing = false;
    log.append(QStringLiteral("end"));
    if (onStopped)
        onStopped();
}

std::unique_ptr<MoviePlayer> FakeMovieBackend::createPlayer(QWidget *parent)
{
    auto player = std::make_unique<FakeMoviePlayer>(parent);
    last = player.get();
    return player;
}

} // namespace zelvo::test
