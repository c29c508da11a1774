#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace zelvo {

// Effects are short and must start within a frame; music is streamed.
enum class SoundKind { Effect, Music };

class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play() = 0; // once
    virtual void loop() = 0; // until stopped
    virtual void stop() = 0;
    virtual void setVolume(int volume) = 0; // 0 to 100
    virtual bool isPlaying() const = 0;
};

class SoundBackend
{
public:
    virtual ~SoundBackend() = default;
    // Nothing when the file is missing or is no sound.
    virtual std::shared_ptr<Sound> open(const QString &path, SoundKind kind) = 0;
};

// A movie player widget that covers the stage. It loops nothing by itself: when a movie
// stops (at its end or asked to), onStopped runs.
class MoviePlayer
{
public:
    virtual ~MoviePlayer() = default;
    virtual QWidget *widget() = 0;
    // Loads a movie; false (and no movie held) when the file is missing or cannot be played.
    virtual bool open(const QString &path) = 0;
    virtual void clear() = 0;
    virtual bool hasMovie() const = 0;
    virtual void play() = 0;
    virtual void stop() = 0;

    std::function<void()> onStopped;
};

class MovieBackend
{
public:
    virtual ~MovieBackend() = default;
    virtual std::unique_ptr<MoviePlayer> createPlayer(QWidget *parent) = 0;
};

} // namespace zelvo
