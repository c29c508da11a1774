#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zelvo {

constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 580;

// Where the re-centred block goes for a window size: the 800-pixel block centred across,
// set 1.3 times the centring offset down so the title band above the stage comes into view.
struct StageLayout
{
    int h = 0;
    int v = 0;
    QPoint result;   // left, top of the results board
    QPoint back;     // the stage oval (its carried elements follow)
    QPoint contBox;  // the control panel (its buttons follow)
    int title1Top = 0;
    int title0Top = 0;
    int title0LeftOffset = 2; // the black shadow sits 2 px right of the coloured title
    QRect mvp;
    int resultHeight = 0; // the board's bottom edge follows the window's
};

StageLayout computeLayout(QSize window);

} // namespace zelvo
