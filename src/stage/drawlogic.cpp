#include "stage/drawlogic.h"

#include "platform/random.h"
#include "platform/textcodec.h"

#include <algorithm>

namespace zelvo {

DrawRange drawRange(int mini, int max)
{
    DrawRange r;
    r.lo = std::max(mini, 1);
    r.hi = std::min(max, kFlagCount);
    return r;
}

bool hasFlag(int number)
{
    return number >= 1 && number <= kFlagCount;
}

int undrawnCount(const DrawnFlags &P, DrawRange range)
{
    int left = 0;
    for (int n = range.lo; n <= range.hi; ++n)
        left += P[n - 1] == 0 ? 1 : 0;
    return left;
}

int pickUndrawn(const DrawnFlags &P, DrawRange range, RandomSource &random)
{
    const int left = undrawnCount(P, range);
    if (left == 0)
        return 0;
    // As many tries as the range has numbers, so that a range nearly used up (or dice that keep
    // landing on drawn numbers) cannot hold up the tick; with five or more numbers left the
    // fallback is needed less than once in a hundred steps. A success within the cap is uniform
    // over the undrawn numbers, and so is the fallback, so the pick stays uniform either way.
    const int tries = range.size();
    for (int i = 0; i < tries; ++i) {
        const int c = random.uniform(range.lo, range.hi);
        if (c >= range.lo && c <= range.hi && P[c - 1] == 0)
            return c;
    }
    int k = std::clamp(random.uniform(0, left - 1), 0, left - 1);
    for (int n = range.lo; n <= range.hi; ++n) {
        if (P[n - 1] == 0 && k-- == 0)
            return n;
    }
    return 0;
}

QStringList orderFields(const QString &list)
{
    if (list.isEmpty())
        return {};
    return list.split(u',');
}

int drawnValue(const QString &text)
{
    return text::leadingInt(text.normalized(QString::NormalizationForm_KC).trimmed());
}

QString onOneLine(const QString &text)
{
    QString out = text;
    out.remove(u'\r');
    out.remove(u'\n');
    return out;
}

bool isBlankField(const QString &field)
{
    return field.trimmed().isEmpty();
}

} // namespace zelvo
