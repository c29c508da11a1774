#include "stage/widgets.h"

#include <QPaintEvent>
#include <QPainter>

namespace zelvo {

OvalWidget::OvalWidget(QWidget *parent) : QWidget(parent), m_fill(0xff, 0x6f, 0xcf)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void OvalWidget::setFillColor(const QColor &color)
{
    if (color == m_fill)
        return;
    m_fill = color;
    update();
}

void OvalWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(m_fill);
    p.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

PictureCanvas::PictureCanvas(QWidget *parent) : QWidget(parent) {}

void PictureCanvas::setBackdrop(const QImage &image)
{
    if (image.isNull() && m_backdrop.isNull())
        return;
    m_backdrop = image;
    update();
}

void PictureCanvas::paintEvent(QPaintEvent *)
{
    if (m_backdrop.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, m_backdrop);
}

void BoardCanvas::paintEvent(QPaintEvent *event)
{
    PictureCanvas::paintEvent(event);
    if (painter) {
        QPainter p(this);
        painter(p);
    }
}

void StageLabel::setText(const QString &text)
{
    m_raw = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    QLabel::setText(shown);
}

StageView::StageView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void StageView::setBackgroundColor(const QColor &color)
{
    m_color = color;
    update();
}

void StageView::setBackdrop(const QImage &image)
{
    m_backdrop = image;
    update();
}

void StageView::setPaintsColor(bool on)
{
    m_paintColor = on;
    update();
}

void StageView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_paintColor || m_backdrop.isNull() ? m_color : QColor(Qt::white));
    if (!m_backdrop.isNull())
        p.drawImage(0, 0, m_backdrop);
}

QFont pixelFont(const QString &family, double pixels, const QWidget *widget, bool bold)
{
    QFont font = family.isEmpty() ? QFont() : QFont(family);
    const double dpi = widget ? widget->logicalDpiY() : 96.0;
    font.setPointSizeF(std::max(1.0, pixels) * 72.0 / dpi);
    font.setBold(bold);
    return font;
}

} // namespace zelvo
