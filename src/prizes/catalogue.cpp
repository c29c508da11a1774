// The prize catalogue read from the item folder.
#include "stage/mainwin.h"

namespace zelvo {

void MainWin::LoadKeihin() {}
void MainWin::SetKP() {}
QString MainWin::Cnvmoji(const QString &text)
{
    return text;
}

} // namespace zelvo
