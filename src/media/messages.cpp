// The message table: keys 1 to 9 flash a line of message.txt in place of the title.
#include "platform/files.h"
#include "platform/textcodec.h"
#include "stage/mainwin.h"

namespace zelvo {

namespace {
const QString kMessageFile = QStringLiteral("message.txt");
constexpr int kMessageMs = 1000;
} // namespace

void MainWin::LoadMess()
{
    if (!pf.folder.exists(kMessageFile))
        return;
    const std::optional<QString> content = readTextFile(pf.folder.child(kMessageFile));
    if (!content)
        return;
    QStringList lines = text::splitLines(*content);
    // The reader takes at least one line: an empty file is one empty message.
    if (lines.isEmpty())
        lines.append(QString());
    QString table;
    for (const QString &line : lines)
        table += line + u'\n';
    mess = table;
}

void MainWin::Dispmessage(const QString &key)
{
    const int n = text::leadingInt(key);
    const QStringList fields = mess.split(u'\n');
    const QString line = n >= 1 && n <= fields.size() ? fields.at(n - 1) : QString();
    if (line.isEmpty())
        return;
    titleboxt[0]->setText(line);
    titleboxt[1]->setText(line);
    // Setting the mode again restarts the second: the title returns a second after the last key.
    eventTimer->setPeriod(kMessageMs);
    eventTimer->setMode(TimerMode::Single);
}

void MainWin::eventTimer_Action()
{
    titleboxt[0]->setText(terop);
    titleboxt[1]->setText(terop);
}

} // namespace zelvo
