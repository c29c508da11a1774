// The settings window.
#include "stage/mainwin.h"

namespace zelvo {

// The settings window comes with its own work; until then the command shows nothing.
void MainWin::DefWinShow() {}

} // namespace zelvo
