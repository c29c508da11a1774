#pragma once

#include "platform/desktop.h"
#include "platform/sound.h"

#include <QSet>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <memory>

namespace zelvo::test {

class FakeSoundBackend;

// A sound that records what was asked of it.
class FakeSound : public Sound
{
public:
    FakeSound(FakeSoundBackend *backend, QString name) : m_backend(backend), m_name(std::move(name)) {}
    void play() override;
    void loop() override;
    void stop() override;
    void setVolume(int volume) override;
    bool isPlaying() const override { return m_playing; }

    QString name() const { return m_name; }
    bool looping() const { return m_playing && m_looping; }
    int volume() const { return m_volume; }

private:
    FakeSoundBackend *m_backend;
    QString m_name;
    bool m_playing = false;
    bool m_looping = false;
    int m_volume = 100;
};

// Opens every existing file as a sound (except those named undecodable) and logs events
// as "loop theme/a/sound_s1.wav", "play …", "stop …", "volume … 50", paths relative to root.
class FakeSoundBackend : public SoundBackend
{
public:
    std::shared_ptr<Sound> open(const QString &path, SoundKind kind) override;

    QString root;            // stripped from logged paths
    QSet<QString> undecodable; // file names that open as nothing
    QStringList log;
    QList<std::shared_ptr<FakeSound>> opened;

    // The sound opened last from a path ending in this text, if any.
    std::shared_ptr<FakeSound> find(const QString &pathEnd) const;
    QString relative(const QString &path) const;
};

class FakeMoviePlayer : public MoviePlayer
{
public:
    explicit FakeMoviePlayer(QWidget *parent);
    QWidget *widget() override { return m_widget; }
    bool open(const QString &path) override;
    void clear() override { m_movie.clear(); }
    bool hasMovie() const override { return !m_movie.isEmpty(); }
    void play() override;
    void stop() override;

    // Lets a test end the movie as the platform would at its end.
    void reachEnd();

    QString movie() const { return m_movie; }
    bool playing() const { return m_playing; }
    QStringList log;

private:
    QWidget *m_widget;
    QString m_movie;
    bool m_playing = false;
};

class FakeMovieBackend : public MovieBackend
{
public:
    std::unique_ptr<MoviePlayer> createPlayer(QWidget *parent) override;
    FakeMoviePlayer *last = nullptr;
};

// Message boxes answered at once; the texts are kept.
class RecordingDialogs : public Dialogs
{
public:
    void message(QWidget *, const QString &text) override { messages.append(text); }
    QStringList messages;
};

class RecordingBrowser : public Browser
{
public:
    bool open(const QUrl &url) override
    {
        opened.append(url);
        return true;
    }
    QList<QUrl> opened;
};

} // namespace zelvo::test
