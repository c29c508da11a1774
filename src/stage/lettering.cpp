#include "stage/lettering.h"

#include <cmath>

namespace zelvo {

int widthFactor(double w0)
{
    if (!(w0 > 0))
        return 60;
    return int(200.0 / w0 * 30.0 + 60.0);
}

NumberClass numberClass(int max)
{
    if (max >= 1000)
        return {4, 160};
    if (max >= 100)
        return {3, 190};
    return {2, 220};
}

double boardTextSize(int yoko, int max, int k, int sizeFactor)
{
    // A hand-edited yoko of 0 must not divide by zero.
    const double perRow = yoko > 0 ? 345.0 / yoko : 345.0;
    return (perRow / numberClass(max).digits * k / 100.0) * sizeFactor / 50.0 * 0.9;
}

double numberTextSize(int max, int k, int sizeFactor)
{
    return (double(k * numberClass(max).factor) / 100.0) * sizeFactor / 50.0;
}

} // namespace zelvo
