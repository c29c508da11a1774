#include "stage/lettering.h"

#include "stage/boardgeometry.h"

#include <algorithm>

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

int sizeFactor(int sousa9)
{
    return sousa9 == 0 ? 50 : std::clamp(sousa9, 20, 80);
}

int numberPosition(int sousa10)
{
    return sousa10 == 0 ? 100 : std::clamp(sousa10, 20, 180);
}

double boardTextSize(int yoko, int max, int k, int sizeFactor)
{
    // The same numbers per row as the board lays out, so a yoko of 0 cannot divide by zero.
    const double perRow = 345.0 / boardColumns(yoko);
    return (perRow / numberClass(max).digits * k / 100.0) * sizeFactor / 50.0 * 0.9;
}

double numberTextSize(int max, int k, int sizeFactor)
{
    return (double(k * numberClass(max).factor) / 100.0) * sizeFactor / 50.0;
}

} // namespace zelvo
