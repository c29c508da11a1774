#pragma once

#include "platform/random.h"

#include <QList>

namespace zelvo {

// The selection rules of sousa(8): 1 every row alike, anything else weighted by count.
inline constexpr int kRuleEveryRank = 1;

// The weighted walk: r (1 to the total) loses each row's count in turn; the row after which
// it drops below 0 is picked, row 0 when none is. Row 0 takes r = 1 … c(0) − 1 and r = total,
// every other row its c(i) values in a run, so each row's chance is c(i) / total.
int pickWeighted(const QList<int> &counts, int r);

// One roulette step's row, or -1 when there are no rows. total is the sum of counts taken
// when the roulette started. When every count is 0 or less the weighted range is empty:
// rows are then picked alike.
int pickPrize(int rule, const QList<int> &counts, int total, RandomSource &random);

} // namespace zelvo
