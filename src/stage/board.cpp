// The results board: drawn numbers as discs, in draw order or number order.
#include "stage/mainwin.h"

namespace zelvo {

void MainWin::Disp() {}
void MainWin::Dispjun() {}
void MainWin::kakuBtn_Action() {}
void MainWin::Cls() {}

} // namespace zelvo
