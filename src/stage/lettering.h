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

// The size slider's value (sousa(9)) as the lettering uses it: 20 to 80, and 0 (a settings
// file without options) the normal 50, so a fresh stage does not draw its number at size 0.
int sizeFactor(int sousa9);
// The position slider's value (sousa(10)): 20 to 180, and 0 the normal 100.
int numberPosition(int sousa10);

double boardTextSize(int yoko, int max, int k, int sizeFactor);
double numberTextSize(int max, int k, int sizeFactor);

} // namespace zelvo
