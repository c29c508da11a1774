#pragma once

namespace zelvo {

class MainWin;

// Repaints the results board and gives its description the numbers it now shows.
void refreshBoard(MainWin &w);

} // namespace zelvo
