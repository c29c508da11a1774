#include "support/teststage.h"

#include <QAccessible>
#include <QAction>
#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

class TestOpening : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spellsTitleOneCharacterPerTick();
    void emptyTitleShowsBlank();
    void countsCharactersNotCodeUnits();
    void countOutsideTitleStartsOver();
    void ovalColoursAreMultiplesOf14();
    void opensWithPicturesAndDesignPlaces();
    void stageReadsOutToAssistiveTools();
    void badgeDrawsWhiteTransparent();
};

void TestOpening::spellsTitleOneCharacterPerTick()
{
    TestStage t;
    MainWin &w = t.open();
    QCOMPARE(w.startBtn->text(), QStringLiteral("抽選開始"));
    QVERIFY(!w.Noop->isHidden());
    QVERIFY(w.No->isHidden());
    QCOMPARE(w.count, 1);

    QStringList shown;
    QList<qint64> at;
    const QString title = QStringLiteral("ようこそZelvoへ！");
    for (int i = 0; i < title.size() + 4; ++i) {
        t.clock.fireNext();
        at << t.clock.now();
        shown << w.Noop->text();
    }
    QStringList expected;
    for (QChar c : title)
        expected << QString(c);
    expected << QStringLiteral(" ") << QString(title.at(0)) << QString(title.at(1)) << QString(title.at(2));
    QCOMPARE(shown, expected);
    // First tick half a second after the window was made, then every 500 ms.
    for (int i = 0; i < at.size(); ++i)
        QCOMPARE(at.at(i), 500 * (i + 1));
    QCOMPARE(w.opent->mode(), TimerMode::Multiple);
    QCOMPARE(w.startF, 0);
}

void TestOpening::emptyTitleShowsBlank()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 75, QString(), QString(), 6));
    MainWin &w = t.open();
    for (int i = 0; i < 3; ++i) {
        t.advance(500);
        QCOMPARE(w.Noop->text(), QStringLiteral(" "));
        QCOMPARE(w.count, 1);
    }
}

void TestOpening::countsCharactersNotCodeUnits()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 75, QStringLiteral("A"), QString(), 6));
    MainWin &w = t.open();
    // Characters outside Shift_JIS never reach def.txt, but a title set in the program may hold them.
    w.terop = QStringLiteral("𠮷😀か\u3099");
    QStringList shown;
    for (int i = 0; i < 5; ++i) {
        t.advance(500);
        shown << w.Noop->text();
    }
    QCOMPARE(shown, (QStringList{"𠮷", "😀", "か\u3099", " ", "𠮷"}));
}

void TestOpening::countOutsideTitleStartsOver()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 75, QStringLiteral("ABC"), QString(), 6));
    MainWin &w = t.open();
    w.count = 0; // as a spin leaves it
    t.advance(500);
    QCOMPARE(w.Noop->text(), QStringLiteral("A"));
    QCOMPARE(w.count, 2);
    w.count = 40; // a title shortened meanwhile
    t.advance(500);
    QCOMPARE(w.Noop->text(), QStringLiteral("A"));
    QCOMPARE(w.count, 2);
}

void TestOpening::ovalColoursAreMultiplesOf14()
{
    TestStage t;
    MainWin &w = t.open();
    t.dice.setLenient(false);
    t.dice.push({0, 16, 5, 16, 16, 16, 1, 2, 3});
    QList<QColor> colours;
    for (int i = 0; i < 3; ++i) {
        t.advance(500);
        colours << w.back->fillColor();
    }
    QCOMPARE(colours, (QList<QColor>{QColor(0, 224, 70), QColor(224, 224, 224), QColor(14, 28, 42)}));
    QCOMPARE(t.dice.asked(), (QList<QString>(9, QStringLiteral("0..16"))));
    QVERIFY(t.dice.faults().isEmpty());
}

void TestOpening::opensWithPicturesAndDesignPlaces()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"),
                defText(1, 75, QStringLiteral("T"), QString(), 6, {{11, 1}, {3, 0}}));
    MainWin &w = t.open();
    QCOMPARE(w.windowTitle(), QStringLiteral("Zelvo"));
    QCOMPARE(w.cr, QString(QChar(13)));
    QVERIFY(!w.mvflag);
    QVERIFY(w.MenuBar1->item(QStringLiteral("fullsmenu"))->isChecked());
    QVERIFY(!w.fullBtn->icon().isNull());
    QVERIFY(!w.soundBtn->icon().isNull());
    QVERIFY(!w.setBtn->icon().isNull());
    QCOMPARE(w.back->size(), QSize(420, 420));
    QCOMPARE(w.startBtn->size(), QSize(310, 50));
    QCOMPARE(w.startBtn->parentWidget(), w.ContBox);
    QCOMPARE(w.No->parentWidget(), w.back);
    QCOMPARE(w.startBtn->accessibleName().isEmpty() ? w.startBtn->text() : w.startBtn->accessibleName(),
             QStringLiteral("抽選開始"));
}

void TestOpening::stageReadsOutToAssistiveTools()
{
    TestStage t;
    MainWin &w = t.open();
    // Screen readers and UI automation see the buttons by role and caption, and can press them.
    QAccessibleInterface *start = QAccessible::queryAccessibleInterface(w.startBtn);
    QVERIFY(start);
    QCOMPARE(start->role(), QAccessible::Button);
    QCOMPARE(start->text(QAccessible::Name), QStringLiteral("抽選開始"));
    QVERIFY(start->actionInterface());
    QAccessibleInterface *board = QAccessible::queryAccessibleInterface(w.result);
    QVERIFY(board);
    QCOMPARE(board->text(QAccessible::Name), QStringLiteral("抽選結果"));
    t.advance(500);
    QAccessibleInterface *opening = QAccessible::queryAccessibleInterface(w.Noop);
    QCOMPARE(opening->role(), QAccessible::StaticText);
    // A label reads out its text, so the title being spelled out is heard.
    QCOMPARE(opening->text(QAccessible::Name), w.Noop->text());
    QCOMPARE(opening->text(QAccessible::Description), QStringLiteral("オープニング"));
}

void TestOpening::badgeDrawsWhiteTransparent()
{
    AppPictures pictures;
    const QImage badge = pictures.get(QStringLiteral("kete.gif"));
    QCOMPARE(badge.size(), QSize(204, 123));
    QCOMPARE(badge.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(badge.pixelColor(102, 61).alpha(), 255);
    // The other pictures keep their white.
    QVERIFY(!pictures.get(QStringLiteral("deflogo.png")).isNull());
    QVERIFY(pictures.get(QStringLiteral("no-such.png")).isNull());
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
