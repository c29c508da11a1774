// The prize roulette.
#include "stage/mainwin.h"

namespace zelvo {

void MainWin::KeihinSelect() {}
void MainWin::FindTimer_Action() {}
void MainWin::sentakuBtn_Action()
{
    KeihinSelect();
}

} // namespace zelvo
