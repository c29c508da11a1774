// The prize introduction: prizes shown one after another.
#include "stage/mainwin.h"

namespace zelvo {

void MainWin::shokaiBtn_Action() {}
void MainWin::kTime_Action() {}

} // namespace zelvo
