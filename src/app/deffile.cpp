#include "app/deffile.h"

#include "platform/textcodec.h"

namespace zelvo {

DefExtent readDefLines(const QStringList &lines, StageState &s)
{
    qsizetype next = 0;
    auto line = [&]() -> QString { return next < lines.size() ? lines.at(next++) : QString(); };
    auto atEnd = [&] { return next >= lines.size(); };

    s.mini = text::leadingInt(line());
    s.max = text::leadingInt(line());
    s.terop = line();
    s.theme = line();
    s.fontname[0] = line();
    s.fontname[1] = line();
    s.yoko = text::leadingInt(line());
    if (atEnd()) {
        s.sousa[2] = 12;
        return DefExtent::HeadOnly;
    }
    for (int n = 0; n <= 20; ++n) {
        const QString value = line();
        s.sousa[n] = (n == 20 && value == QStringLiteral("0")) ? 70 : text::leadingInt(value);
    }
    if (atEnd())
        return DefExtent::FirstBlock;
    for (int n = 21; n < kSousaSize; ++n)
        s.sousa[n] = text::leadingInt(line());
    return DefExtent::Full;
}

// A line break inside a text would shift every later line of the file.
static QString oneLine(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    return out;
}

QStringList defLines(const StageState &s)
{
    QStringList lines;
    lines.reserve(kDefLineCount);
    lines << QString::number(s.mini) << QString::number(s.max) << oneLine(s.terop) << oneLine(s.theme)
          << oneLine(s.fontname[0]) << oneLine(s.fontname[1]) << QString::number(s.yoko);
    for (int v : s.sousa)
        lines << QString::number(v);
    return lines;
}

} // namespace zelvo
