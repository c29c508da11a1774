#pragma once

#include "platform/sound.h"

namespace zelvo {

// Real playback through Qt Multimedia.
class QtSoundBackend : public SoundBackend
{
public:
    std::shared_ptr<Sound> open(const QString &path, SoundKind kind) override;
};

class QtMovieBackend : public MovieBackend
{
public:
    std::unique_ptr<MoviePlayer> createPlayer(QWidget *parent) override;
};

} // namespace zelvo
