// The results board: drawn numbers as discs, in draw order or number order.
#include "stage/board.h"

#include "stage/boardgeometry.h"
#include "stage/mainwin.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QPainter>

namespace zelvo {

namespace {

const QString kShowNumberOrder = QStringLiteral("番号順表示");
const QString kShowDrawOrder = QStringLiteral("抽選順表示");

// The board follows the toggle, so its caption always names the other view.
void chooseView(MainWin &w, bool numberOrder)
{
    w.TextSizeSet();
    w.kakuBtn->setChecked(numberOrder);
    w.kakuBtn->setText(numberOrder ? kShowDrawOrder : kShowNumberOrder);
    refreshBoard(w);
}

QColor entryColour(const DrawnEntry &e)
{
    return QColor(std::clamp(e.red, 0, 255), std::clamp(e.green, 0, 255), std::clamp(e.blue, 0, 255));
}

class DiscPainter
{
public:
    DiscPainter(QPainter &g, const BoardGeometry &geo, const QFont &font, double textSize)
        : m_g(g), m_geo(geo), m_metrics(font, g.device()), m_baseline(geo.baseline(textSize))
    {
        m_g.setFont(font);
        m_g.setRenderHint(QPainter::Antialiasing);
    }

    void paint(int k, const QString &text, const QColor &fill)
    {
        const QRect r = m_geo.discRect(k);
        m_g.setPen(Qt::NoPen);
        m_g.setBrush(fill);
        m_g.drawEllipse(QRectF(r));
        const int w = int(m_metrics.horizontalAdvance(text));
        m_g.setPen(Qt::white);
        m_g.drawText(QPointF(int(r.x() + m_geo.disc / 2.0 - w / 2.0), r.y() + m_baseline), text);
        m_g.setBrush(Qt::NoBrush);
        m_g.setPen(QPen(Qt::white, 1));
        m_g.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    }

private:
    QPainter &m_g;
    const BoardGeometry &m_geo;
    QFontMetricsF m_metrics;
    int m_baseline;
};

} // namespace

void refreshBoard(MainWin &w)
{
    const QString shown =
        boardTexts(w.cList, w.P, w.max, w.sousa[23] != 0, w.kakuBtn->isChecked()).join(QStringLiteral("、"));
    if (shown != w.result->accessibleDescription())
        w.result->setAccessibleDescription(shown);
    w.result->update();
}

void MainWin::Disp()
{
    chooseView(*this, false);
}

void MainWin::Dispjun()
{
    chooseView(*this, true);
}

void MainWin::kakuBtn_Action()
{
    if (kakuBtn->isChecked())
        Dispjun();
    else
        Disp();
}

void MainWin::Cls()
{
    refreshBoard(*this);
}

void MainWin::result_Paint(QPainter &g)
{
    const BoardGeometry geo = boardGeometry(yoko);
    // Before the first start press the board keeps its own lettering.
    const QFont font = boardLetteringSet ? boardFont : result->font();
    const double size = boardLetteringSet ? boardTextSize : QFontInfo(font).pixelSize();
    DiscPainter disc(g, geo, font, size);
    // Discs below the board's bottom edge would be clipped whole: they are not painted at all.
    const int room = geo.discsStartingAbove(result->height());

    if (kakuBtn->isChecked()) {
        const int top = std::min(max, kFlagCount);
        int k = 0;
        for (int n = 1; n <= top && k < room; ++n) {
            if (P[n - 1] == 1)
                disc.paint(k++, QString::number(n), Qt::black);
        }
        return;
    }
    const qsizetype entries = cList.size();
    const bool reverse = sousa[23] != 0;
    for (qsizetype i = 0; i < std::min<qsizetype>(entries, room); ++i) {
        const DrawnEntry &e = cList.at(reverse ? entries - 1 - i : i);
        disc.paint(int(i), onOneLine(e.text), entryColour(e));
    }
}

} // namespace zelvo
