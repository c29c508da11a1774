#include "stage/boardgeometry.h"

#include <algorithm>

namespace zelvo {

int boardColumns(int yoko)
{
    if (yoko < 1)
        return kDefaultColumns;
    return std::min(yoko, kMostColumns);
}

BoardGeometry boardGeometry(int yoko)
{
    BoardGeometry g;
    g.columns = boardColumns(yoko);
    g.pitch = kBoardSpan / g.columns;
    g.disc = g.pitch - 2;
    return g;
}

int BoardGeometry::baseline(double textSize) const
{
    return int(disc / 2.0 + textSize * 0.4);
}

QRect BoardGeometry::discRect(int k) const
{
    const int row = k / columns;
    const int column = k % columns;
    return QRect(kBoardLeft + column * pitch, kBoardTop + row * pitch, disc, disc);
}

int BoardGeometry::discsStartingAbove(int height) const
{
    if (height <= kBoardTop)
        return 0;
    const int rows = (height - kBoardTop + pitch - 1) / pitch;
    return rows * columns;
}

QStringList boardTexts(const QList<DrawnEntry> &drawn, const DrawnFlags &P, int max, bool reverse,
                       bool numberOrder)
{
    QStringList out;
    if (numberOrder) {
        const int top = std::min(max, kFlagCount);
        for (int n = 1; n <= top; ++n) {
            if (P[n - 1] == 1)
                out.append(QString::number(n));
        }
        return out;
    }
    const qsizetype count = drawn.size();
    out.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        out.append(onOneLine(drawn.at(reverse ? count - 1 - i : i).text));
    return out;
}

} // namespace zelvo
