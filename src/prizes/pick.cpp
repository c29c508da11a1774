#include "prizes/pick.h"

namespace zelvo {

int pickWeighted(const QList<int> &counts, int r)
{
    qint64 left = r;
    for (qsizetype i = 0; i < counts.size(); ++i) {
        left -= counts.at(i);
        if (left < 0)
            return int(i);
    }
    return 0;
}

int pickPrize(int rule, const QList<int> &counts, int total, RandomSource &random)
{
    if (counts.isEmpty())
        return -1;
    const int last = int(counts.size()) - 1;
    if (rule == kRuleEveryRank || total <= 0)
        return random.uniform(0, last);
    return pickWeighted(counts, random.uniform(0, total - 1) + 1);
}

} // namespace zelvo
