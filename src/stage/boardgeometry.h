#pragma once

#include "stage/drawlogic.h"

#include <QList>
#include <QRect>
#include <QStringList>

namespace zelvo {

constexpr int kBoardLeft = 12;  // left edge of the first disc
constexpr int kBoardTop = 20;   // top edge of the first row
constexpr int kBoardSpan = 320; // the width the discs of one row share
constexpr int kDefaultColumns = 6;
constexpr int kMostColumns = 106; // the most that still leaves every disc a pixel

// Numbers per row as the board can lay them out: a hand-edited yoko of 0 or less is the
// default 6, one above 106 is 106.
int boardColumns(int yoko);

struct BoardGeometry
{
    int columns = kDefaultColumns;
    int pitch = 0; // c: from one disc to the next, across and down
    int disc = 0;  // d: width and height of a disc
    // b: from a disc's top to the baseline of its number.
    int baseline(double textSize) const;
    // The bounding square of the k-th disc painted (from 0), rows filled left to right.
    QRect discRect(int k) const;
    // How many discs have their top inside a board of this height.
    int discsStartingAbove(int height) const;
};

BoardGeometry boardGeometry(int yoko);

// The texts on the board (each on one line), in the order painted: the drawn list in draw order (or
// reversed), or the flagged numbers from 1 to max ascending.
QStringList boardTexts(const QList<DrawnEntry> &drawn, const DrawnFlags &P, int max, bool reverse,
                       bool numberOrder);

} // namespace zelvo
