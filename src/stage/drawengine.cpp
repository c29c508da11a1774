// The number draw: start press, spin, stop, automatic drawing and the external order.
#include "stage/mainwin.h"

namespace zelvo {

void MainWin::StartBtnpush() {}
void MainWin::PushSelect() {}
void MainWin::plot() {}
void MainWin::Stimer_Action() {}
void MainWin::autoBox_Action() {}
void MainWin::autoTimer_Action() {}

void MainWin::btnset(bool enabled)
{
    sentakuBtn->setEnabled(enabled);
    shokaiBtn->setEnabled(enabled);
    kakuBtn->setEnabled(enabled);
}

void MainWin::GetClist() {}

} // namespace zelvo
