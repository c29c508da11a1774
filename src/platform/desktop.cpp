#include "platform/desktop.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace zelvo {

void QtDialogs::message(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zelvo"), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

bool DesktopBrowser::open(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace zelvo
