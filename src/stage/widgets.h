#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>

namespace zelvo {

// The stage oval: a filled ellipse with a white rim.
class OvalWidget : public QWidget
{
    Q_OBJECT
public:
    explicit OvalWidget(QWidget *parent = nullptr);
    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};

// A canvas showing one picture from its top-left corner at the picture's own size.
class PictureCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit PictureCanvas(QWidget *parent = nullptr);
    QImage backdrop() const { return m_backdrop; }
    void setBackdrop(const QImage &image);
    void clearBackdrop() { setBackdrop(QImage()); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_backdrop;
};

// A canvas with a backdrop over which a painter function draws (the results board).
class BoardCanvas : public PictureCanvas
{
    Q_OBJECT
public:
    using PictureCanvas::PictureCanvas;
    std::function<void(QPainter &)> painter;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A label whose text may hold CR line breaks, as the stage composes them.
class StageLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setText(const QString &text);
    QString text() const { return m_raw; }

private:
    QString m_raw;
};

// The window's own surface: its background colour, or a backdrop picture over it.
class StageView : public QWidget
{
    Q_OBJECT
public:
    explicit StageView(QWidget *parent = nullptr);
    QColor backgroundColor() const { return m_color; }
    void setBackgroundColor(const QColor &color);
    QImage backdrop() const { return m_backdrop; }
    void setBackdrop(const QImage &image);
    bool paintsColor() const { return m_paintColor; }
    void setPaintsColor(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::white;
    QImage m_backdrop;
    bool m_paintColor = true;
};

// Fonts in pixels with fractions kept, as the stage's sizes are given.
QFont pixelFont(const QString &family, double pixels, const QWidget *widget, bool bold = false);

} // namespace zelvo
