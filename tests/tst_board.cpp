#include "stage/boardgeometry.h"
#include "support/teststage.h"

#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

namespace {

const QColor kBackground(90, 90, 90);

// A board after the first press (it then carries the number lettering) over a plain backdrop.
MainWin &boardStage(TestStage &t, int yoko, int order = 0)
{
    t.writeText(QStringLiteral("def.txt"),
                defText(1, 75, QStringLiteral("T"), QString(), yoko, {{2, 10}, {9, 50}, {23, order}}));
    MainWin &w = t.open();
    w.startBtn->setText(QStringLiteral("スタート"));
    QImage backdrop(340, 557, QImage::Format_RGB32);
    backdrop.fill(kBackground);
    w.result->setBackdrop(backdrop);
    w.btnset(true);
    return w;
}

// A completed draw as the engine records it.
void addDrawn(MainWin &w, int number, const QColor &c)
{
    w.cList.append({QString::number(number), c.red(), c.green(), c.blue()});
    w.P[number - 1] = 1;
}

QImage board(MainWin &w)
{
    return w.result->grab().toImage();
}

// A point inside the disc, left of its number.
QColor discColour(const QImage &img, const QRect &disc)
{
    return img.pixelColor(disc.left() + 5, disc.center().y());
}

bool isBackground(const QImage &img, int x, int y)
{
    return img.pixelColor(x, y) == kBackground;
}

const QList<QColor> kColours{QColor(224, 0, 0),   QColor(0, 224, 0),   QColor(0, 0, 224),
                             QColor(224, 224, 0), QColor(0, 224, 224), QColor(224, 0, 224),
                             QColor(14, 112, 70), QColor(70, 14, 112)};

QList<QColor> discColours(const QImage &img, int yoko, int discs)
{
    const BoardGeometry geo = boardGeometry(yoko);
    QList<QColor> out;
    for (int k = 0; k < discs; ++k)
        out.append(discColour(img, geo.discRect(k)));
    return out;
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void geometry_data();
    void geometry();
    void drawOrderDiscsAtTheirPlaces();
    void reverseOrderPutsLatestFirst();
    void numberOrderOnBlackDiscs();
    void repeatedExternalNumber();
    void boardKeepsTheViewItsToggleNames_data();
    void boardKeepsTheViewItsToggleNames();
    void spinStartReturnsToDrawOrder();
    void emptyAndClearedBoardPaintsNothing();
    void numbersWhiteAndCentred();
    void handEditedYokoPaints_data();
    void handEditedYokoPaints();
    void discsBelowTheBoardAreLeftOut();
    void describesNumbersShown();
};

void TestBoard::geometry_data()
{
    QTest::addColumn<int>("yoko");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("disc");
    QTest::addColumn<QList<QPoint>>("corners"); // discs 0 to 6

    QTest::newRow("6 per row") << 6 << 53 << 51 << QList<QPoint>{{12, 20},  {65, 20},  {118, 20}, {171, 20},
                                                                 {224, 20}, {277, 20}, {12, 73}};
    QTest::newRow("3 per row") << 3 << 106 << 104
                               << QList<QPoint>{{12, 20},   {118, 20},  {224, 20}, {12, 126},
                                                {118, 126}, {224, 126}, {12, 232}};
    QTest::newRow("10 per row") << 10 << 32 << 30 << QList<QPoint>{{12, 20},  {44, 20},  {76, 20}, {108, 20},
                                                                   {140, 20}, {172, 20}, {204, 20}};
    QTest::newRow("0 reads as 6") << 0 << 53 << 51
                                  << QList<QPoint>{{12, 20},  {65, 20},  {118, 20}, {171, 20},
                                                   {224, 20}, {277, 20}, {12, 73}};
    QTest::newRow("negative reads as 6")
        << -3 << 53 << 51
        << QList<QPoint>{{12, 20}, {65, 20}, {118, 20}, {171, 20}, {224, 20}, {277, 20}, {12, 73}};
    QTest::newRow("huge reads as 106")
        << 5000 << 3 << 1
        << QList<QPoint>{{12, 20}, {15, 20}, {18, 20}, {21, 20}, {24, 20}, {27, 20}, {30, 20}};
}

void TestBoard::geometry()
{
    QFETCH(int, yoko);
    QFETCH(int, pitch);
    QFETCH(int, disc);
    QFETCH(QList<QPoint>, corners);
    const BoardGeometry geo = boardGeometry(yoko);
    QCOMPARE(geo.pitch, pitch);
    QCOMPARE(geo.disc, disc);
    for (int k = 0; k < corners.size(); ++k)
        QCOMPARE(geo.discRect(k), QRect(corners.at(k), QSize(disc, disc)));
    // Baseline: the integer part of d / 2 + 0.4 of the text size.
    QCOMPARE(boardGeometry(6).baseline(27.16875), 36);
}

void TestBoard::drawOrderDiscsAtTheirPlaces()
{
    TestStage t;
    MainWin &w = boardStage(t, 6);
    for (int i = 0; i < 7; ++i)
        addDrawn(w, 10 + i, kColours.at(i));
    w.Disp();
    const QImage img = board(w);
    QCOMPARE(discColours(img, 6, 7), kColours.mid(0, 7));
    const BoardGeometry geo = boardGeometry(6);
    for (int k = 0; k < 7; ++k) {
        const QRect r = geo.discRect(k);
        QVERIFY2(isBackground(img, r.left() - 1, r.center().y()), qPrintable(QString::number(k)));
        QVERIFY(isBackground(img, r.center().x(), r.top() - 1));
        const QColor rim = img.pixelColor(r.left(), r.center().y()); // the white outline
        QVERIFY(std::min({rim.red(), rim.green(), rim.blue()}) >= 180);
        QVERIFY(isBackground(img, r.left() + 2, r.top() + 2)); // outside the circle
    }
    // Nothing where an eighth disc would go.
    QVERIFY(isBackground(img, geo.discRect(7).center().x(), geo.discRect(7).center().y()));
}

void TestBoard::reverseOrderPutsLatestFirst()
{
    TestStage t;
    MainWin &w = boardStage(t, 6, 1);
    addDrawn(w, 5, kColours.at(0));
    addDrawn(w, 17, kColours.at(1));
    addDrawn(w, 42, kColours.at(2));
    w.Disp();
    QCOMPARE(discColours(board(w), 6, 3), (QList<QColor>{kColours.at(2), kColours.at(1), kColours.at(0)}));
    QCOMPARE(w.result->accessibleDescription(), QStringLiteral("42、17、5"));
}

void TestBoard::numberOrderOnBlackDiscs()
{
    TestStage t;
    MainWin &w = boardStage(t, 6, 1); // the direction setting does not apply to number order
    addDrawn(w, 42, kColours.at(0));
    addDrawn(w, 5, kColours.at(1));
    addDrawn(w, 17, kColours.at(2));
    w.Disp();
    w.kakuBtn->click();
    QVERIFY(w.kakuBtn->isChecked());
    QCOMPARE(w.kakuBtn->text(), QStringLiteral("抽選順表示"));
    QCOMPARE(discColours(board(w), 6, 3), QList<QColor>(3, Qt::black));
    QCOMPARE(w.result->accessibleDescription(), QStringLiteral("5、17、42"));

    w.kakuBtn->click();
    QCOMPARE(w.kakuBtn->text(), QStringLiteral("番号順表示"));
    QCOMPARE(discColours(board(w), 6, 3), (QList<QColor>{kColours.at(2), kColours.at(1), kColours.at(0)}));
    QCOMPARE(w.result->accessibleDescription(), QStringLiteral("17、5、42"));
}

void TestBoard::repeatedExternalNumber()
{
    TestStage t;
    MainWin &w = boardStage(t, 6);
    addDrawn(w, 7, kColours.at(0));
    addDrawn(w, 3, kColours.at(1));
    addDrawn(w, 7, kColours.at(2));
    w.Disp();
    QCOMPARE(discColours(board(w), 6, 3), kColours.mid(0, 3));
    w.Dispjun();
    const QImage img = board(w);
    QCOMPARE(discColours(img, 6, 2), QList<QColor>(2, Qt::black));
    const QRect third = boardGeometry(6).discRect(2);
    QVERIFY(isBackground(img, third.center().x(), third.center().y()));
    QCOMPARE(w.result->accessibleDescription(), QStringLiteral("3、7"));
}

void TestBoard::boardKeepsTheViewItsToggleNames_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("exposure") << "exposure";
    QTest::newRow("window resize") << "resize";
    QTest::newRow("new board picture") << "backdrop";
    QTest::newRow("hidden and shown") << "hide";
}

void TestBoard::boardKeepsTheViewItsToggleNames()
{
    QFETCH(QString, event);
    TestStage t;
    MainWin &w = boardStage(t, 6);
    addDrawn(w, 42, kColours.at(0));
    addDrawn(w, 5, kColours.at(1));
    w.Disp();
    w.kakuBtn->click();
    if (event == QStringLiteral("exposure")) {
        w.result->repaint();
    } else if (event == QStringLiteral("resize")) {
        w.resize(1024, 800);
        QCoreApplication::processEvents();
    } else if (event == QStringLiteral("backdrop")) {
        QImage other(340, 557, QImage::Format_RGB32);
        other.fill(kBackground);
        w.result->setBackdrop(other);
    } else {
        w.result->hide();
        w.result->show();
    }
    QCoreApplication::processEvents();
    QCOMPARE(w.kakuBtn->text(), QStringLiteral("抽選順表示"));
    QCOMPARE(discColours(board(w), 6, 2), QList<QColor>(2, Qt::black));
    QCOMPARE(w.result->accessibleDescription(), QStringLiteral("5、42"));
}

void TestBoard::spinStartReturnsToDrawOrder()
{
    TestStage t;
    MainWin &w = boardStage(t, 6);
    addDrawn(w, 42, kColours.at(0));
    w.Disp();
    w.kakuBtn->click();
    w.StartBtnpush();
    QVERIFY(!w.kakuBtn->isChecked());
    QCOMPARE(w.kakuBtn->text(), QStringLiteral("番号順表示"));
    QCOMPARE(discColours(board(w), 6, 1), QList<QColor>{kColours.at(0)});
}

void TestBoard::emptyAndClearedBoardPaintsNothing()
{
    TestStage t;
    MainWin &w = boardStage(t, 6);
    QImage blank(340, 557, QImage::Format_RGB32);
    blank.fill(kBackground);
    w.Disp();
    QCOMPARE(board(w).convertToFormat(QImage::Format_RGB32), blank);
    w.Dispjun();
    QCOMPARE(board(w).convertToFormat(QImage::Format_RGB32), blank);

    addDrawn(w, 42, kColours.at(0));
    addDrawn(w, 5, kColours.at(1));
    w.Disp();
    QVERIFY(board(w).convertToFormat(QImage::Format_RGB32) != blank);
    // The reset empties the flags and the list, then clears the board.
    w.P.fill(0);
    w.cList.clear();
    w.Cls();
    QCOMPARE(board(w).convertToFormat(QImage::Format_RGB32), blank);
    QCOMPARE(w.result->accessibleDescription(), QString());
}

void TestBoard::numbersWhiteAndCentred()
{
    TestStage t;
    MainWin &w = boardStage(t, 6);
    addDrawn(w, 42, QColor(224, 0, 0));
    w.Disp();
    QCOMPARE(w.boardFont.family(), w.No->font().family());
    QVERIFY(std::abs(QFontInfo(w.boardFont).pixelSize() - w.boardTextSize) <= 1.0);

    const QImage img = board(w);
    const BoardGeometry geo = boardGeometry(6);
    const QRect r = geo.discRect(0);
    // The white of the number, away from the outline.
    int left = INT_MAX, right = -1, bottom = -1;
    const QPointF centre = QRectF(r).center();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) > r.width() / 2.0 - 3)
                continue;
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 240 && c.green() > 240 && c.blue() > 240) {
                left = std::min(left, x);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    QVERIFY(right > left);
    QVERIFY2(std::abs((left + right) / 2.0 - (r.left() + r.width() / 2.0)) <= 2.0,
             qPrintable(QStringLiteral("%1..%2").arg(left).arg(right)));
    // The digits stand on the baseline b below the disc's top.
    QVERIFY2(
        std::abs(bottom - (r.top() + geo.baseline(w.boardTextSize))) <= 1,
        qPrintable(QStringLiteral("%1 %2 %3").arg(bottom).arg(r.top()).arg(geo.baseline(w.boardTextSize))));
}

void TestBoard::handEditedYokoPaints_data()
{
    QTest::addColumn<int>("yoko");
    QTest::newRow("0") << 0;
    QTest::newRow("negative") << -2;
}

void TestBoard::handEditedYokoPaints()
{
    QFETCH(int, yoko);
    TestStage t;
    MainWin &w = boardStage(t, yoko);
    for (int i = 0; i < 7; ++i)
        addDrawn(w, 10 + i, kColours.at(i));
    w.Disp();
    QVERIFY(std::isfinite(w.boardTextSize) && w.boardTextSize > 0);
    QCOMPARE(discColours(board(w), 6, 7), kColours.mid(0, 7));
    w.Dispjun();
    QCOMPARE(discColours(board(w), 6, 7), QList<QColor>(7, Qt::black));
}

void TestBoard::discsBelowTheBoardAreLeftOut()
{
    TestStage t;
    MainWin &w = boardStage(t, 3);
    for (int i = 0; i < 75; ++i)
        addDrawn(w, i + 1, kColours.at(i % kColours.size()));
    w.Disp();
    // 557 high with 106 between rows: six rows start on the board, the sixth cut by its edge.
    const QImage img = board(w);
    QCOMPARE(discColours(img, 3, 15), kColours.mid(0, 8) + kColours.mid(0, 7));
    QCOMPARE(img.pixelColor(64, 553), kColours.at(15 % 8));
    QCOMPARE(boardGeometry(3).discsStartingAbove(557), 18);
    // Reverse order keeps the latest in view.
    w.sousa[23] = 1;
    w.Disp();
    QCOMPARE(discColour(board(w), boardGeometry(3).discRect(0)), kColours.at(74 % 8));
}

void TestBoard::describesNumbersShown()
{
    // Qt announces every change of the description to assistive technology.
    TestStage t;
    MainWin &w = boardStage(t, 6);
    QCOMPARE(w.result->accessibleDescription(), QString());
    addDrawn(w, 42, kColours.at(0));
    w.Disp();
    QCOMPARE(w.result->accessibleDescription(), QStringLiteral("42"));
    addDrawn(w, 5, kColours.at(1));
    w.Disp();
    QCOMPARE(w.result->accessibleDescription(), QStringLiteral("42、5"));
    w.Dispjun();
    QCOMPARE(w.result->accessibleDescription(), QStringLiteral("5、42"));
    w.StartBtnpush(); // a spin start shows draw order again
    QCOMPARE(w.result->accessibleDescription(), QStringLiteral("42、5"));
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
