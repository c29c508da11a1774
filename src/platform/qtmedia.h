#pragma once

#include "platform/sound.h"

namespace zelvo {

// Real playback through Qt Multimedia: effects through QSoundEffect, which keeps the
// decoded sound ready so it starts at once; music and movies streamed by QMediaPlayer.
class QtSoundBackend : public SoundBackend
{
public:
    // Nothing unless the file is a RIFF/WAVE file with a format and a data chunk.
    std::shared_ptr<Sound> open(const QString &path, SoundKind kind) override;
};

class QtMovieBackend : public MovieBackend
{
public:
    std::unique_ptr<MoviePlayer> createPlayer(QWidget *parent) override;
};

// Whether a file is a RIFF/WAVE file of uncompressed or float samples, from its header.
bool isWaveFile(const QString &path);
// Whether a file begins as a QuickTime movie does.
bool isQuickTimeFile(const QString &path);

} // namespace zelvo
