#pragma once

namespace zelvo {

class MainWin;

// An introduction is on show from its first press to its closing step: its timer runs, or
// its countdown has begun and waits for the next press.
bool introductionOnShow(const MainWin &w);

} // namespace zelvo
