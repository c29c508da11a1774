#include "platform/qtmedia.h"

#include <QWidget>

namespace zelvo {
namespace {

// Placeholder until playback lands: holds no movie.
class SilentMoviePlayer : public MoviePlayer
{
public:
    explicit SilentMoviePlayer(QWidget *parent) : m_widget(new QWidget(parent)) {}
    QWidget *widget() override { return m_widget; }
    bool open(const QString &) override { return false; }
    void clear() override {}
    bool hasMovie() const override { return false; }
    void play() override {}
    void stop() override {}

private:
    QWidget *m_widget;
};

} // namespace

std::shared_ptr<Sound> QtSoundBackend::open(const QString &, SoundKind)
{
    return nullptr;
}

std::unique_ptr<MoviePlayer> QtMovieBackend::createPlayer(QWidget *parent)
{
    return std::make_unique<SilentMoviePlayer>(parent);
}

} // namespace zelvo
