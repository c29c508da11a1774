// Layout on resize and the lettering of the big number, the prize caption and the title.
#include "stage/layout.h"
#include "stage/lettering.h"
#include "stage/mainwin.h"

#include <QFontMetricsF>

namespace zelvo {

void MainWin::Event_Resized()
{
    // Nothing is laid out before the settings are loaded.
    if (max == 0)
        return;
    const StageLayout l = computeLayout(view->size());
    result->setGeometry(l.result.x(), l.result.y(), result->width(), std::max(1, l.resultHeight));
    back->move(l.back);
    ContBox->move(l.contBox);
    // The title labels' left and right edges follow the window.
    titleboxt[1]->setGeometry(-6, l.title1Top, view->width(), titleboxt[1]->height());
    titleboxt[0]->setGeometry(titleboxt[1]->x() + l.title0LeftOffset, l.title0Top, view->width(),
                              titleboxt[0]->height());
    mvp->widget()->setGeometry(l.mvp);
    Drawback();
}

void MainWin::Fontset()
{
    const QString numberFont = fontflag ? fontname[1] : fontname[0];
    QFont f = No->font();
    f.setFamily(numberFont.isEmpty() ? QFont().family() : numberFont);
    No->setFont(f);
    QFont k = kText->font();
    k.setFamily(fontname[0].isEmpty() ? QFont().family() : fontname[0]);
    kText->setFont(k);
}

void MainWin::TextSizeSet()
{
    if (startBtn->text() == QStringLiteral("抽選開始"))
        return;
    const QString family = No->font().family();
    const QFont probe = pixelFont(family, 240, result);
    const double w0 = QFontMetricsF(probe, result).horizontalAdvance(QStringLiteral("0"));
    const int k = widthFactor(w0);
    boardTextSize = zelvo::boardTextSize(yoko, max, k, sousa[9]);
    boardFont = pixelFont(family, boardTextSize, result);
    boardLetteringSet = true;
    No->setFont(pixelFont(family, numberTextSize(max, k, sousa[9]), No));
}

void MainWin::TitleDraw()
{
    for (StageLabel *t : titleboxt) {
        QFont f = t->font();
        f.setFamily(fontname[0].isEmpty() ? QFont().family() : fontname[0]);
        t->setFont(f);
    }
    QPalette pal = titleboxt[1]->palette();
    pal.setColor(QPalette::WindowText, color_t);
    titleboxt[1]->setPalette(pal);
    titleboxt[0]->setText(terop);
    titleboxt[1]->setText(terop);
}

void MainWin::TextPosSet()
{
    No->move(No->x(), 200 - sousa[10]);
}

} // namespace zelvo
