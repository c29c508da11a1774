#include "stage/layout.h"

namespace zelvo {

StageLayout computeLayout(QSize window)
{
    StageLayout l;
    // Integer parts truncate toward zero, also for windows below the design size.
    l.h = int((window.width() - kDesignWidth) / 2.0);
    l.v = int((window.height() - kDesignHeight) / 2.0 * 1.3);
    l.result = QPoint(l.h + 455, l.v + 16);
    l.back = QPoint(l.h + 20, l.v + 14);
    l.contBox = QPoint(l.h + 20, l.v + 450);
    l.title1Top = l.back.y() - 100;
    l.title0Top = l.back.y() - 98;
    l.mvp = QRect(-1, -1, window.width() + 30, window.height() + 20);
    l.resultHeight = 557 + (window.height() - kDesignHeight);
    return l;
}

} // namespace zelvo
