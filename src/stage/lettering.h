#pragma once

namespace zelvo {

// Width factor k of a number font: larger for narrow digits, so any font fills about
// the same width. w0 is the width of "0" at size 240.
int widthFactor(double w0);

// Digit class D and number factor F of a range's top.
struct NumberClass
{
    int digits;
    int factor;
};
NumberClass numberClass(int max);

double boardTextSize(int yoko, int max, int k, int sizeFactor);
double numberTextSize(int max, int k, int sizeFactor);

} // namespace zelvo
