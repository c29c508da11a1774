// Sound effects, background music and theme movies.
#include "stage/mainwin.h"

namespace zelvo {

void MainWin::SoundSet() {}

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

void MainWin::soundBtn_Action() {}
void MainWin::MovieSet(const QString &) {}
void MainWin::MovieKey(const QString &) {}
void MainWin::mvp_Open() {}
void MainWin::mvp_Stop() {}

} // namespace zelvo
