#pragma once

#include "app/stagestate.h"

#include <QStringList>

namespace zelvo {

constexpr int kDefLineCount = 48;

// How far a def.txt reached, which decides what the loader applies.
enum class DefExtent {
    HeadOnly,    // 7 lines or fewer: spin length 12, white background, options not applied
    FirstBlock,  // ended inside lines 8 to 28: entries 21 to 40 keep their values
    Full,
};

// Reads the lines of def.txt into the state, as the loader does: missing lines read as
// empty, line 28 "0" means volume 70, lines after 48 are ignored. Values are stored as read.
DefExtent readDefLines(const QStringList &lines, StageState &state);

// The 48 lines that SaveDef writes (copies in sousa already refreshed by the caller).
QStringList defLines(const StageState &state);

} // namespace zelvo
