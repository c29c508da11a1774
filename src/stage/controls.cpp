// Menus, the key map and full screen.
#include "stage/mainwin.h"

namespace zelvo {

void MainWin::fullBtn_Action() {}
void MainWin::fullsmenu_Action() {}
void MainWin::intmenu_Action() {}
void MainWin::howto_Action() {}
void MainWin::howmake_Action() {}
void MainWin::howmail_Action() {}
void MainWin::setBtn_Action()
{
    DefWinShow();
}

bool MainWin::KeyDown(const QString &key)
{
    if (key == QStringLiteral("\r"))
        StartBtnpush();
    return false;
}

void MainWin::MouseMove(int, int) {}

} // namespace zelvo
