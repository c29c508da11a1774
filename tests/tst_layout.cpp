#include "stage/layout.h"
#include "stage/lettering.h"
#include "support/teststage.h"

#include <QFontMetricsF>
#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

namespace {

MainWin &openStage(TestStage &t, int max, std::initializer_list<std::pair<int, int>> options,
                   const QString &font = QString())
{
    QString def = defText(1, max, QStringLiteral("T"), QString(), 6, options);
    if (!font.isEmpty()) {
        QStringList lines = def.split(u'\n');
        lines[4] = font;
        def = lines.join(u'\n');
    }
    t.writeText(QStringLiteral("def.txt"), def);
    return t.open();
}

// Where an element stands in the window's (the stage view's) coordinates.
QRect placed(const MainWin &w, const QWidget *element)
{
    return QRect(element->mapTo(w.view, QPoint(0, 0)), element->size());
}

// The window's drawing area at this size, as full screen gives it: no menu bar.
void sizeView(MainWin &w, QSize size)
{
    w.setMenuBarShown(false);
    w.resize(size);
    QCoreApplication::processEvents();
    QCOMPARE(w.view->size(), size);
}

double pixelSize(const QFont &f)
{
    return QFontInfo(f).pixelSize();
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void designRectangles();
    void stackingOrder();
    void layoutTable_data();
    void layoutTable();
    void stageFollowsWindow_data();
    void stageFollowsWindow();
    void nothingMovesBeforeSettings();
    void letteringFormulas_data();
    void letteringFormulas();
    void textSizesOnStage_data();
    void textSizesOnStage();
    void fonts_data();
    void fonts();
    void titleWithShadow();
    void numberPosition_data();
    void numberPosition();
    void numberCentredInOval_data();
    void numberCentredInOval();
};

void TestLayout::designRectangles()
{
    TestStage t;
    MainWin &w = t.open(false);
    const QList<std::pair<const QWidget *, QRect>> table{
        {w.back, {14, 15, 420, 420}},         {w.kText, {14, 328, 420, 107}},
        {w.kPhoto, {82, 122, 280, 200}},      {w.No, {14, 113, 420, 315}},
        {w.keteibox, {121, 20, 204, 123}},    {w.hitbox[0], {104, 307, 240, 130}},
        {w.hitbox[1], {104, 307, 240, 130}},  {w.hitbox[2], {104, 307, 240, 130}},
        {w.hitbox[3], {104, 307, 240, 130}},  {w.Noop, {21, 108, 408, 319}},
        {w.titleboxt[0], {0, 592, 800, 84}},  {w.result, {454, 14, 340, 557}},
        {w.titleboxt[1], {-6, 592, 800, 84}}, {w.ContBox, {14, 441, 420, 130}},
        {w.startBtn, {24, 449, 310, 50}},     {w.sentakuBtn, {24, 513, 224, 32}},
        {w.fullBtn, {369, 521, 24, 24}},      {w.autoBox, {341, 449, 80, 24}},
        {w.kakuBtn, {341, 475, 80, 24}},      {w.shokaiBtn, {254, 513, 80, 32}},
        {w.setBtn, {341, 521, 24, 24}},       {w.cwright, {17, 554, 415, 17}},
        // The player's open handler has it cover the design-size window already.
        {w.soundBtn, {397, 521, 24, 24}},     {w.mvp->widget(), {-1, -1, 830, 600}},
    };
    for (const auto &[element, rect] : table)
        QCOMPARE(placed(w, element), rect);
    // Carried elements belong to their carrier.
    for (const QWidget *e : {static_cast<QWidget *>(w.kText), static_cast<QWidget *>(w.No),
                             static_cast<QWidget *>(w.Noop), static_cast<QWidget *>(w.hitbox[2])})
        QCOMPARE(e->parentWidget(), w.back);
    for (const QWidget *e : {static_cast<QWidget *>(w.startBtn), static_cast<QWidget *>(w.cwright)})
        QCOMPARE(e->parentWidget(), w.ContBox);
    QVERIFY(w.No->isHidden() && w.kPhoto->isHidden() && w.keteibox->isHidden());
    QVERIFY(!w.Noop->isHidden() && !w.kText->isHidden());
    QVERIFY(w.cwright->text().startsWith(QStringLiteral("Zelvo ")));
}

void TestLayout::stackingOrder()
{
    TestStage t;
    MainWin &w = t.open(false);
    auto inOrder = [](const QWidget *parent, const QList<const QWidget *> &elements) {
        const QObjectList children = parent->children();
        qsizetype last = -1;
        for (const QWidget *e : elements) {
            const qsizetype at = children.indexOf(const_cast<QWidget *>(e));
            if (at <= last)
                return false;
            last = at;
        }
        return true;
    };
    QVERIFY(inOrder(w.back, {w.kText, w.kPhoto, w.No, w.keteibox, w.hitbox[0], w.hitbox[3], w.Noop,
                             w.hitbox[1], w.hitbox[2]}));
    QVERIFY(inOrder(w.view, {w.back, w.titleboxt[0], w.result, w.titleboxt[1], w.ContBox, w.mvp->widget()}));
    QVERIFY(inOrder(w.ContBox, {w.startBtn, w.sentakuBtn, w.fullBtn, w.autoBox, w.kakuBtn, w.shokaiBtn,
                                w.setBtn, w.cwright, w.soundBtn}));
}

void TestLayout::layoutTable_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<QPoint>("back");
    QTest::addColumn<QPoint>("result");
    QTest::addColumn<QPoint>("contBox");
    QTest::addColumn<int>("titleTop");

    QTest::newRow("800 x 580") << QSize(800, 580) << 0 << 0 << QPoint(20, 14) << QPoint(455, 16)
                               << QPoint(20, 450) << -86;
    QTest::newRow("1024 x 768") << QSize(1024, 768) << 112 << 122 << QPoint(132, 136) << QPoint(567, 138)
                                << QPoint(132, 572) << 36;
    QTest::newRow("1280 x 800") << QSize(1280, 800) << 240 << 143 << QPoint(260, 157) << QPoint(695, 159)
                                << QPoint(260, 593) << 57;
    QTest::newRow("801 x 581: halves truncated")
        << QSize(801, 581) << 0 << 0 << QPoint(20, 14) << QPoint(455, 16) << QPoint(20, 450) << -86;
    QTest::newRow("799 x 579: toward zero")
        << QSize(799, 579) << 0 << 0 << QPoint(20, 14) << QPoint(455, 16) << QPoint(20, 450) << -86;
    QTest::newRow("640 x 480: negative")
        << QSize(640, 480) << -80 << -65 << QPoint(-60, -51) << QPoint(375, -49) << QPoint(-60, 385) << -151;
}

void TestLayout::layoutTable()
{
    QFETCH(QSize, window);
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(QPoint, back);
    QFETCH(QPoint, result);
    QFETCH(QPoint, contBox);
    QFETCH(int, titleTop);
    const StageLayout l = computeLayout(window);
    QCOMPARE(l.h, h);
    QCOMPARE(l.v, v);
    QCOMPARE(l.back, back);
    QCOMPARE(l.result, result);
    QCOMPARE(l.contBox, contBox);
    QCOMPARE(l.title1Top, titleTop);
    QCOMPARE(l.title0Top, titleTop + 2);
    QCOMPARE(l.mvp, QRect(-1, -1, window.width() + 30, window.height() + 20));
}

void TestLayout::stageFollowsWindow_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("back");
    QTest::addColumn<QPoint>("result");
    QTest::addColumn<QPoint>("contBox");
    QTest::addColumn<int>("titleTop");
    QTest::newRow("800 x 580") << QSize(800, 580) << QPoint(20, 14) << QPoint(455, 16) << QPoint(20, 450)
                               << -86;
    QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(132, 136) << QPoint(567, 138)
                                << QPoint(132, 572) << 36;
    QTest::newRow("1280 x 800") << QSize(1280, 800) << QPoint(260, 157) << QPoint(695, 159)
                                << QPoint(260, 593) << 57;
    QTest::newRow("640 x 480") << QSize(640, 480) << QPoint(-60, -51) << QPoint(375, -49) << QPoint(-60, 385)
                               << -151;
}

void TestLayout::stageFollowsWindow()
{
    QFETCH(QSize, window);
    QFETCH(QPoint, back);
    QFETCH(QPoint, result);
    QFETCH(QPoint, contBox);
    QFETCH(int, titleTop);
    TestStage t;
    MainWin &w = openStage(t, 75, {{10, 100}});
    // Through a larger size first: each layout comes from the window size alone.
    sizeView(w, QSize(1400, 1000));
    sizeView(w, window);

    QCOMPARE(placed(w, w.back).topLeft(), back);
    QCOMPARE(placed(w, w.result).topLeft(), result);
    QCOMPARE(placed(w, w.ContBox).topLeft(), contBox);
    QCOMPARE(placed(w, w.titleboxt[1]), QRect(-6, titleTop, window.width(), 84));
    QCOMPARE(placed(w, w.titleboxt[0]), QRect(-4, titleTop + 2, window.width(), 84));
    QCOMPARE(placed(w, w.mvp->widget()), QRect(-1, -1, window.width() + 30, window.height() + 20));
    // The board's bottom edge follows the window's.
    QCOMPARE(w.result->height(), 557 + window.height() - 580);
    // Carried elements keep their offsets.
    QCOMPARE(placed(w, w.No).topLeft(), back + QPoint(0, 100));
    QCOMPARE(placed(w, w.kText).topLeft(), back + QPoint(0, 313));
    QCOMPARE(placed(w, w.hitbox[1]).topLeft(), back + QPoint(90, 292));
    QCOMPARE(placed(w, w.startBtn).topLeft(), contBox + QPoint(10, 8));
    QCOMPARE(placed(w, w.cwright).topLeft(), contBox + QPoint(3, 113));
    QCOMPARE(w.back->size(), QSize(420, 420));
    QCOMPARE(w.result->width(), 340);
}

void TestLayout::nothingMovesBeforeSettings()
{
    TestStage t;
    MainWin &w = t.open(false);
    w.view->resize(1280, 800);
    w.Event_Resized();
    QCOMPARE(placed(w, w.back).topLeft(), QPoint(14, 15));
    QCOMPARE(placed(w, w.result), QRect(454, 14, 340, 557));
    QCOMPARE(placed(w, w.ContBox).topLeft(), QPoint(14, 441));
}

void TestLayout::letteringFormulas_data()
{
    QTest::addColumn<double>("zeroWidth");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("yoko");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("number");
    QTest::addColumn<double>("board");

    QTest::newRow("worked example") << 133.0 << 75 << 6 << 50 << 105 << 231.0 << 27.16875;
    QTest::newRow("max 99: D 2, F 220") << 133.0 << 99 << 6 << 50 << 105 << 231.0 << 27.16875;
    QTest::newRow("max 100: D 3, F 190") << 133.0 << 100 << 6 << 50 << 105 << 199.5 << 18.1125;
    QTest::newRow("max 999: D 3, F 190") << 133.0 << 999 << 6 << 50 << 105 << 199.5 << 18.1125;
    QTest::newRow("max 1000: D 4, F 160") << 133.0 << 1000 << 6 << 50 << 105 << 168.0 << 13.584375;
    QTest::newRow("narrow digits") << 100.0 << 75 << 6 << 50 << 120 << 264.0 << 31.05;
    QTest::newRow("size 80") << 133.0 << 75 << 6 << 80 << 105 << 369.6 << 43.47;
    QTest::newRow("size 0 reads as 50") << 133.0 << 75 << 6 << 0 << 105 << 231.0 << 27.16875;
    QTest::newRow("size above 80 is 80") << 133.0 << 75 << 6 << 500 << 105 << 369.6 << 43.47;
    QTest::newRow("10 per row") << 133.0 << 75 << 10 << 50 << 105 << 231.0 << 16.30125;
    QTest::newRow("0 per row reads as 6") << 133.0 << 75 << 0 << 50 << 105 << 231.0 << 27.16875;
}

void TestLayout::letteringFormulas()
{
    QFETCH(double, zeroWidth);
    QFETCH(int, max);
    QFETCH(int, yoko);
    QFETCH(int, size);
    QFETCH(int, k);
    QFETCH(double, number);
    QFETCH(double, board);
    QCOMPARE(widthFactor(zeroWidth), k);
    QVERIFY(std::abs(numberTextSize(max, k, sizeFactor(size)) - number) < 1e-9);
    QVERIFY(std::abs(boardTextSize(yoko, max, k, sizeFactor(size)) - board) < 1e-9);
}

void TestLayout::textSizesOnStage_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("digits");
    QTest::newRow("max 99") << 99 << 220 << 2;
    QTest::newRow("max 100") << 100 << 190 << 3;
    QTest::newRow("max 999") << 999 << 190 << 3;
    QTest::newRow("max 1000") << 1000 << 160 << 4;
}

void TestLayout::textSizesOnStage()
{
    QFETCH(int, max);
    QFETCH(int, factor);
    QFETCH(int, digits);
    TestStage t;
    MainWin &w = openStage(t, max, {{2, 10}, {9, 60}}, QStringLiteral("Liberation Sans"));
    w.TextSizeSet();
    // Before the first press the number keeps its design size and the board its own lettering.
    QCOMPARE(pixelSize(w.No->font()), 200.0);
    QVERIFY(!w.boardLetteringSet);

    // What the first press does to the lettering.
    w.startBtn->setText(QStringLiteral("スタート"));
    w.Fontset();
    w.TextSizeSet();
    QCOMPARE(w.No->font().family(), QStringLiteral("Liberation Sans"));
    QFont probe(QStringLiteral("Liberation Sans"));
    probe.setPixelSize(240);
    const double w0 = QFontMetricsF(probe, w.result).horizontalAdvance(QStringLiteral("0"));
    const int k = int(200.0 / w0 * 30 + 60);
    QVERIFY(std::abs(pixelSize(w.No->font()) - k * factor / 100.0 * 60 / 50) <= 1.0);
    QVERIFY(std::abs(w.boardTextSize - 345.0 / 6 / digits * k / 100 * 60 / 50 * 0.9) < 1e-9);
    QCOMPARE(w.boardFont.family(), QStringLiteral("Liberation Sans"));
}

void TestLayout::fonts_data()
{
    QTest::addColumn<int>("ownFont");
    QTest::addColumn<QString>("numberFont");
    QTest::addColumn<QString>("expected");
    QTest::newRow("title font") << 0 << "Liberation Serif"
                                << "Liberation Sans";
    QTest::newRow("own font") << 1 << "Liberation Serif"
                              << "Liberation Serif";
    QTest::newRow("own font set to the title's")
        << 1 << QString::fromUtf16(kSameFontAsTitle) << "Liberation Sans";
}

void TestLayout::fonts()
{
    QFETCH(int, ownFont);
    QFETCH(QString, numberFont);
    QFETCH(QString, expected);
    TestStage t;
    MainWin &w = openStage(t, 75, {{7, ownFont}}, QStringLiteral("Liberation Sans"));
    w.fontname[1] = numberFont;
    w.Fontset();
    QCOMPARE(w.No->font().family(), expected);
    QCOMPARE(w.kText->font().family(), QStringLiteral("Liberation Sans"));
}

void TestLayout::titleWithShadow()
{
    TestStage t;
    MainWin &w = openStage(t, 75, {{13, 200}, {14, 30}, {15, 40}}, QStringLiteral("Liberation Serif"));
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("T"));
    w.terop = QStringLiteral("年末ビンゴ大会");
    w.TitleDraw();
    for (StageLabel *l : w.titleboxt) {
        QCOMPARE(l->text(), QStringLiteral("年末ビンゴ大会"));
        QCOMPARE(l->font().family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(l->alignment(), Qt::AlignCenter);
    }
    QCOMPARE(w.titleboxt[1]->palette().color(QPalette::WindowText), QColor(200, 30, 40));
    QCOMPARE(w.titleboxt[0]->palette().color(QPalette::WindowText), QColor(Qt::black));
    // The shadow lies 2 px right of and below the title, and under it.
    QCOMPARE(w.titleboxt[0]->pos() - w.titleboxt[1]->pos(), QPoint(2, 2));
    QVERIFY(w.view->children().indexOf(w.titleboxt[0]) < w.view->children().indexOf(w.titleboxt[1]));
}

void TestLayout::numberPosition_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("top");
    QTest::newRow("normal") << 100 << 100;
    QTest::newRow("slider low end") << 20 << 180;
    QTest::newRow("slider high end") << 180 << 20;
    QTest::newRow("0 reads as normal") << 0 << 100;
    QTest::newRow("beyond the slider") << 900 << 20;
}

void TestLayout::numberPosition()
{
    QFETCH(int, setting);
    QFETCH(int, top);
    TestStage t;
    MainWin &w = openStage(t, 75, {{10, setting}});
    QCOMPARE(w.No->y(), top);
    sizeView(w, QSize(1280, 800));
    QCOMPARE(placed(w, w.No).top(), placed(w, w.back).top() + top);
}

void TestLayout::numberCentredInOval_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("number");
    QTest::newRow("DejaVu Sans") << "DejaVu Sans" << 75 << "88";
    QTest::newRow("Noto Sans CJK JP") << "Noto Sans CJK JP" << 75 << "88";
    QTest::newRow("Liberation Serif, four digits") << "Liberation Serif" << 1000 << "1000";
}

void TestLayout::numberCentredInOval()
{
    QFETCH(QString, font);
    QFETCH(int, max);
    QFETCH(QString, number);
    TestStage t;
    MainWin &w = openStage(t, max, {{2, 10}, {9, 50}, {10, 100}}, font);
    w.startBtn->setText(QStringLiteral("スタート"));
    w.Fontset();
    w.TextSizeSet();
    w.Noop->hide();
    w.No->show();
    w.back->setFillColor(Qt::black);
    w.No->setText(number);
    const QImage img = w.back->grab().toImage();
    int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (std::hypot(x - 210.0, y - 210.0) > 195)
                continue; // the white rim
            if (qGray(img.pixel(x, y)) > 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    QVERIFY(bottom > top);
    const QString where = QStringLiteral("%1..%2 x %3..%4").arg(left).arg(right).arg(top).arg(bottom);
    QVERIFY2(std::abs((top + bottom) / 2.0 - 210) <= 3, qPrintable(where));
    QVERIFY2(std::abs((left + right) / 2.0 - 210) <= 6, qPrintable(where));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
