// Theme pictures: window background, board backdrop, character pictures.
#include "stage/mainwin.h"

namespace zelvo {

void MainWin::Drawback() {}

} // namespace zelvo
