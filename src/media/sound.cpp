// Sound effects, background music and theme movies.
#include "media/themefolder.h"
#include "stage/layout.h"
#include "stage/mainwin.h"

namespace zelvo {

namespace {

// msound(0) to msound(3), in their fixed roles: number spin, number hit, prize spin, prize hit.
const std::array<QString, 4> kEffectFiles{QStringLiteral("sound_s1.wav"), QStringLiteral("sound_s2.wav"),
                                          QStringLiteral("sound_k1.wav"), QStringLiteral("sound_k2.wav")};
const QString kMusicFile = QStringLiteral("music.wav");
const QString kDefaultSounds = QStringLiteral("sound");
constexpr int kMusic = 4;

bool isMovieKey(const QString &key)
{
    return key.size() == 1 && QStringLiteral("yuiop").contains(key.at(0));
}

// Ends the movie on show and gives the stage back its opening animation and music.
void endMovie(MainWin &w)
{
    // Hidden before stopped: the stop handler restarts a visible player.
    w.mvp->widget()->hide();
    w.mvflag = false;
    w.mvp->stop();
    w.opent->setMode(timerModeFrom(w.OpenTmode));
    if (w.sFlag)
        w.MusicStart();
}

} // namespace

void MainWin::SoundSet()
{
    const ThemeFolder folder = ThemeFolder::find(pf.folder, theme);
    if (folder.state() == ThemeFolder::State::Missing)
        return;

    for (size_t i = 0; i < kEffectFiles.size(); ++i) {
        std::shared_ptr<Sound> s;
        const QString own = folder.file(kEffectFiles[i]);
        if (!own.isEmpty())
            s = pf.sound->open(pf.folder.child(own), SoundKind::Effect);
        // A theme file that is no sound counts as missing: the default still sounds.
        if (!s && pf.folder.exists(kDefaultSounds + u'/' + kEffectFiles[i]))
            s = pf.sound->open(pf.folder.child(kDefaultSounds + u'/' + kEffectFiles[i]), SoundKind::Effect);
        msound[i] = std::move(s);
    }

    if (msound[kMusic])
        msound[kMusic]->stop();
    // A theme without music has none: the last theme's music must not come back on the sound button.
    msound[kMusic].reset();
    const QString music = folder.file(kMusicFile);
    if (!music.isEmpty())
        msound[kMusic] = pf.sound->open(pf.folder.child(music), SoundKind::Music);
    if (sFlag)
        MusicStart();
}

void MainWin::MusicStart()
{
    // The music may have been loaded while sound was off: it gets its volume on every start.
    if (!msound[kMusic])
        return;
    msound[kMusic]->setVolume(sousa[20]);
    msound[kMusic]->loop();
}

void MainWin::SoundPlay(int index)
{
    if (index < 0 || index >= int(msound.size()) || !msound[index] || !sFlag)
        return;
    if (index == 0 || index == 2)
        msound[index]->loop();
    else if (index == 1 || index == 3)
        msound[index]->play();
}

void MainWin::SoundStop(int index)
{
    if (index >= 0 && index < int(msound.size()) && msound[index])
        msound[index]->stop();
}

void MainWin::soundBtn_Action()
{
    sFlag = !sFlag;
    soundBtn->setIcon(QIcon(
        QPixmap::fromImage(pictures.get(sFlag ? QStringLiteral("s_on.gif") : QStringLiteral("s_off.gif")))));
    if (sFlag)
        MusicStart();
    else if (msound[kMusic])
        msound[kMusic]->stop(); // effects run on: a spin sound ends when its draw stops it
}

void MainWin::MovieSet(const QString &name)
{
    const ThemeFolder folder = ThemeFolder::find(pf.folder, theme);
    if (folder.state() == ThemeFolder::State::Missing)
        return;
    const QString movie = folder.file(QStringLiteral("movie_") + name.toLower() + QStringLiteral(".mov"));
    if (movie.isEmpty() || !mvp->open(pf.folder.child(movie)))
        mvp->clear();
}

void MainWin::MovieKey(const QString &key)
{
    if (!isMovieKey(key.toLower()))
        return;
    if (mvflag) {
        endMovie(*this);
        return;
    }
    MovieSet(key.toLower());
    if (!mvp->hasMovie())
        return;
    mvp->widget()->raise();
    mvp->widget()->show();
    mvp->play();
    mvflag = true;
    OpenTmode = int(opent->mode());
    opent->setMode(TimerMode::Off);
    if (msound[kMusic])
        msound[kMusic]->stop();
}

void MainWin::mvp_Open()
{
    // At building time the window is not laid out yet: it has its design size.
    const QSize window = view->isVisible() ? view->size() : QSize(kDesignWidth, kDesignHeight);
    mvp->widget()->setGeometry(-1, -1, window.width() + 30, window.height() + 20);
}

void MainWin::mvp_Stop()
{
    if (mvp->widget()->isHidden())
        return;
    if (mvp->hasMovie())
        mvp->play(); // at its end a shown movie starts over
    else if (mvflag)
        endMovie(*this); // the player gave up on the file: give the stage back
}

} // namespace zelvo
