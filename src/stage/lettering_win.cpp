// Layout on resize and the lettering of the big number, the prize caption and the title.
#include "stage/layout.h"
#include "stage/lettering.h"
#include "stage/mainwin.h"

#include <QFontMetricsF>

namespace zelvo {

namespace {

// Where the number's digits are centred inside its label: the oval's centre (210) when the
// label stands at its normal place, 100 below the oval's top.
constexpr double kNumberInkMid = 110.0;

QString familyOrDefault(const QString &name)
{
    return name.isEmpty() ? QFont().family() : name;
}

// A label centres its line box, and fonts differ widely in how much room they leave above
// the digits; the audience sees the digits, so it is their ink that is set in the middle.
// The line stands on the label's bottom edge, raised by a margin: the label clips to its
// contents, and margins cannot reach outside it.
void centreDigits(StageLabel *label)
{
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    const QFontMetricsF fm(label->font(), label);
    const QRectF ink = fm.tightBoundingRect(QStringLiteral("0123456789"));
    const double baseline =
        ink.isEmpty() ? label->height() - fm.descent() : kNumberInkMid - (ink.top() + ink.bottom()) / 2.0;
    const int raise = qRound(label->height() - fm.descent() - baseline);
    label->setContentsMargins(0, 0, 0, std::max(0, raise));
}

} // namespace

void MainWin::Event_Resized()
{
    // Nothing is laid out before the settings are loaded.
    if (!opened())
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
    // The settings window may leave the "same as the title" entry in fontname(1).
    const bool ownFont = fontflag && fontname[1] != QString::fromUtf16(kSameFontAsTitle);
    QFont f = No->font();
    f.setFamily(familyOrDefault(ownFont ? fontname[1] : fontname[0]));
    No->setFont(f);
    centreDigits(No);
    QFont k = kText->font();
    k.setFamily(familyOrDefault(fontname[0]));
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
    const int factor = sizeFactor(sousa[9]);
    boardTextSize = zelvo::boardTextSize(yoko, max, k, factor);
    boardFont = pixelFont(family, boardTextSize, result);
    boardLetteringSet = true;
    No->setFont(pixelFont(family, numberTextSize(max, k, factor), No));
    centreDigits(No);
}

void MainWin::TitleDraw()
{
    for (StageLabel *t : titleboxt) {
        QFont f = t->font();
        f.setFamily(familyOrDefault(fontname[0]));
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
    No->move(No->x(), 200 - numberPosition(sousa[10]));
}

} // namespace zelvo
