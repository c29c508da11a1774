#pragma once

#include "app/stagestate.h"

#include <QString>
#include <QStringList>
#include <array>

namespace zelvo {

class RandomSource;

// The rhythm of a spin.
constexpr int kSpinFirstMs =
    20; // the first interval; every interval before a stop press in start-then-stop mode
constexpr int kSpinGrowMs = 2;           // auto stop: each step makes the next interval this much longer
constexpr int kSpinSlowMs = 200;         // the slow end of a spin, and the pace after a stop press
constexpr int kSlowFromCount = 5;        // the countdown value at which the slow end begins
constexpr int kStopTicks = 4;            // a stop press ends the spin on the fourth following tick
constexpr int kAutoPauseStepMs = 500;    // sousa(12) counts half-seconds
constexpr int kAutoPauseMaxSteps = 7200; // an hour: a hand-edited pause cannot overflow the timer

using DrawnFlags = std::array<int, kFlagCount>;

// The numbers a draw may pick: the settings' range cut to what the drawn flags hold (1 to 10001).
struct DrawRange
{
    int lo = 1;
    int hi = 0;
    int size() const { return hi >= lo ? hi - lo + 1 : 0; }
};

DrawRange drawRange(int mini, int max);

// Whether a number has a drawn flag of its own (P(n - 1)).
bool hasFlag(int number);

int undrawnCount(const DrawnFlags &P, DrawRange range);

// An undrawn number of the range, every undrawn number equally likely; 0 when none is left.
// One rejection-sampled try is all it takes in the normal case.
int pickUndrawn(const DrawnFlags &P, DrawRange range, RandomSource &random);

// The fields of an external order: the text split at every comma; line ends stay in their field.
QStringList orderFields(const QString &list);

// The number a drawn text stands for: its leading decimal number once blanks and line ends
// around it are dropped and full-width digits read as digits; 0 when it holds none.
int drawnValue(const QString &text);

// A drawn text as the stage and the board letter it: line ends of an external field dropped,
// so that they cannot push the number out of its disc or the oval. Blanks stay.
QString onOneLine(const QString &text);

// A field of nothing but blanks and line ends (a trailing comma) prescribes no number.
bool isBlankField(const QString &field);

} // namespace zelvo
