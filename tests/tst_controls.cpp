#include "support/teststage.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace zelvo;
using namespace zelvo::test;

namespace {

QImage picture(const QIcon &icon)
{
    return icon.pixmap(24, 24).toImage();
}

// Runs the clock until the spin on show completes (or a generous limit passes).
void finishSpin(TestStage &t)
{
    for (int i = 0; i < 200 && t.win().Stimer->mode() != TimerMode::Off; ++i)
        t.advance(50);
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void returnKeyPressesStart();
    void spaceKeyFollowsPrizeButton();
    void zTogglesNoticeLine();
    void menuBarFollowsPointerInFullScreen_data();
    void menuBarFollowsPointerInFullScreen();
    void buttonAndMenuToggleTheirOwnParts();
    void resetAfterDraws();
    void resetDuringSpinDrawsNothing();
    void resetDuringAutomaticPause();
    void linkItemsOpenHelpPages();
    void movieKeysReachTheMovie();
    void closingTheStageEndsTheProgram();
};

void TestControls::returnKeyPressesStart()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"),
                defText(1, 75, QStringLiteral("T"), QString(), 6, {{1, 1}, {2, 10}}));
    MainWin &w = t.open();
    QTest::keyClick(w.view, Qt::Key_Return);
    QCOMPARE(w.startBtn->text(), QStringLiteral("ストップ"));
    QVERIFY(w.Noop->isHidden());
    QCOMPARE(w.opent->mode(), TimerMode::Off);
    t.advance(200);
    // Start then stop: the spin runs until the second Return.
    QCOMPARE(w.Stimer->mode(), TimerMode::Multiple);
    QTest::keyClick(w.view, Qt::Key_Return);
    QCOMPARE(w.startBtn->text(), QStringLiteral("選択中！"));
    QVERIFY(!w.startBtn->isEnabled());
    // Return while stopping changes nothing, though the button is disabled.
    QTest::keyClick(w.view, Qt::Key_Return);
    QCOMPARE(w.startBtn->text(), QStringLiteral("選択中！"));
    finishSpin(t);
    QCOMPARE(w.cList.size(), 1);
    QCOMPARE(w.startBtn->text(), QStringLiteral("スタート"));
}

void TestControls::spaceKeyFollowsPrizeButton()
{
    TestStage t;
    MainWin &w = t.open();
    QVERIFY(!w.sentakuBtn->isEnabled());
    QTest::keyClick(w.view, Qt::Key_Space);
    QCOMPARE(w.kText->text(), QString());
    QCOMPARE(w.FindTimer->mode(), TimerMode::Off);

    // Only the enabled state counts, even for a hidden button.
    w.sentakuBtn->setEnabled(true);
    w.sentakuBtn->hide();
    QTest::keyClick(w.view, Qt::Key_Space);
    QCOMPARE(w.kText->text(), QStringLiteral("景品がありません！"));
}

void TestControls::zTogglesNoticeLine()
{
    TestStage t;
    MainWin &w = t.open();
    QVERIFY(!w.cwright->isHidden());
    QTest::keyClick(w.view, Qt::Key_Z);
    QVERIFY(w.cwright->isHidden());
    QTest::keyClick(w.view, Qt::Key_Z);
    QVERIFY(!w.cwright->isHidden());
    // Caps Lock on: the upper-case letter acts the same.
    w.KeyDown(QStringLiteral("Z"));
    QVERIFY(w.cwright->isHidden());
}

void TestControls::menuBarFollowsPointerInFullScreen_data()
{
    QTest::addColumn<bool>("shownBefore");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("shownAfter");
    QTest::newRow("hidden, 59 shows") << false << 59 << true;
    QTest::newRow("hidden, 60 keeps hidden") << false << 60 << false;
    QTest::newRow("hidden, 61 keeps hidden") << false << 61 << false;
    QTest::newRow("shown, 59 keeps shown") << true << 59 << true;
    QTest::newRow("shown, 60 keeps shown") << true << 60 << true;
    QTest::newRow("shown, 61 hides") << true << 61 << false;
}

void TestControls::menuBarFollowsPointerInFullScreen()
{
    QFETCH(bool, shownBefore);
    QFETCH(int, y);
    TestStage t;
    MainWin &w = t.open();
    w.fullBtn_Action();
    QVERIFY(w.isFullScreenFlag());
    QVERIFY(!w.menuBarShown());
    w.setMenuBarShown(shownBefore);
    w.MouseMove(300, y);
    QTEST(w.menuBarShown(), "shownAfter");

    // Windowed, the pointer never touches the menu bar.
    w.fullBtn_Action();
    QVERIFY(w.menuBarShown());
    w.MouseMove(300, 500);
    QVERIFY(w.menuBarShown());
}

void TestControls::buttonAndMenuToggleTheirOwnParts()
{
    TestStage t;
    MainWin &w = t.open();
    QAction *menu = w.MenuBar1->item(QStringLiteral("fullsmenu"));
    const QImage windowed = picture(w.fullBtn->icon());

    menu->trigger();
    QVERIFY(w.isFullScreenFlag());
    QVERIFY(menu->isChecked());
    QVERIFY(w.menuBarShown());                      // the menu leaves the menu bar up
    QCOMPARE(picture(w.fullBtn->icon()), windowed); // and the button's icon as it was

    w.fullBtn_Action(); // acts on the real flag: back to windowed
    QVERIFY(!w.isFullScreenFlag());
    QVERIFY(w.menuBarShown());
    QVERIFY(menu->isChecked()); // the check mark keeps the earlier state

    w.fullBtn_Action();
    QVERIFY(w.isFullScreenFlag());
    QVERIFY(!w.menuBarShown());
    QVERIFY(picture(w.fullBtn->icon()) != windowed);

    menu->trigger();
    QVERIFY(!w.isFullScreenFlag());
    QVERIFY(!menu->isChecked());
}

void TestControls::resetAfterDraws()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 10, QStringLiteral("T"), QString(), 6, {{2, 10}}));
    MainWin &w = t.open();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(w.view, Qt::Key_Return);
        finishSpin(t);
    }
    QCOMPARE(w.cList.size(), 3);
    QVERIFY(w.sentakuBtn->isEnabled());

    w.MenuBar1->item(QStringLiteral("intmenu"))->trigger();
    QVERIFY(w.cList.isEmpty());
    QVERIFY(std::all_of(w.P.begin(), w.P.end(), [](int f) { return f == 0; }));
    QCOMPARE(w.startBtn->text(), QStringLiteral("抽選開始"));
    QVERIFY(w.startBtn->isEnabled());
    QVERIFY(!w.sentakuBtn->isEnabled());
    QVERIFY(!w.autoBox->isChecked());
    QCOMPARE(w.opent->mode(), TimerMode::Multiple);
    const QColor before = w.back->fillColor();
    t.dice.push({1, 2, 3});
    t.advance(500);
    QCOMPARE(w.back->fillColor(), QColor(14, 28, 42));
    Q_UNUSED(before);

    // The board is empty: nothing but the canvas's own background is painted.
    const QImage board = w.result->grab().toImage();
    QCOMPARE(board.pixelColor(12 + 25, 20 + 25), board.pixelColor(2, 2));

    // Every number can be drawn again: ten draws of a 1-10 range, no "all drawn" message.
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(w.view, Qt::Key_Return);
        finishSpin(t);
    }
    QCOMPARE(w.cList.size(), 10);
    QVERIFY(t.dialogs.messages.isEmpty());
}

void TestControls::resetDuringSpinDrawsNothing()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"),
                defText(1, 75, QStringLiteral("T"), QString(), 6, {{2, 20}, {3, 1}}));
    t.writeBytes(QStringLiteral("sound/sound_s1.wav"), "RIFF");
    MainWin &w = t.open();
    QTest::keyClick(w.view, Qt::Key_Return);
    t.advance(100);
    QCOMPARE(w.Stimer->mode(), TimerMode::Multiple);

    w.intmenu_Action();
    t.advance(10000);
    QVERIFY(w.cList.isEmpty());
    QVERIFY(std::all_of(w.P.begin(), w.P.end(), [](int f) { return f == 0; }));
    QCOMPARE(w.Stimer->mode(), TimerMode::Off);
    QCOMPARE(w.startBtn->text(), QStringLiteral("抽選開始"));
    QVERIFY(w.hitbox[0]->isHidden() && w.hitbox[1]->isHidden() && w.hitbox[2]->isHidden() &&
            w.hitbox[3]->isHidden());
    // The spin sound does not run on into the fresh game.
    if (auto s1 = t.sound.find(QStringLiteral("sound_s1.wav")))
        QVERIFY(!s1->isPlaying());
}

void TestControls::resetDuringAutomaticPause()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"),
                defText(1, 75, QStringLiteral("T"), QString(), 6, {{2, 10}, {12, 5}}));
    MainWin &w = t.open();
    QTest::keyClick(w.view, Qt::Key_Return);
    w.autoBox->click();
    finishSpin(t);
    QCOMPARE(w.cList.size(), 1);
    QCOMPARE(w.autoTimer->mode(), TimerMode::Single);

    w.intmenu_Action();
    t.advance(10000);
    QVERIFY(w.cList.isEmpty());
    QCOMPARE(w.Stimer->mode(), TimerMode::Off);
    QCOMPARE(w.startBtn->text(), QStringLiteral("抽選開始"));
}

void TestControls::linkItemsOpenHelpPages()
{
    TestStage t;
    MainWin &w = t.open();
    for (const char *item : {"howto", "howmake", "howmail"})
        w.MenuBar1->item(QString::fromLatin1(item))->trigger();
    QCOMPARE(t.browser.opened.size(), 3);
    QCOMPARE(t.browser.opened.at(0).fileName(), QStringLiteral("howto.html"));
    QCOMPARE(t.browser.opened.at(1).fileName(), QStringLiteral("howmake.html"));
    QCOMPARE(t.browser.opened.at(2).fileName(), QStringLiteral("contact.html"));
    QVERIFY(t.browser.opened.at(0).isLocalFile());
}

void TestControls::movieKeysReachTheMovie()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 75, QStringLiteral("T"), QStringLiteral("M"), 6));
    t.writeBytes(QStringLiteral("theme/M/movie_y.mov"), "movie");
    MainWin &w = t.open();
    QTest::keyClick(w.view, Qt::Key_Y, Qt::ShiftModifier); // "Y" acts as "y"
    QVERIFY(w.mvflag);
    QVERIFY(t.movies.last->playing());
    w.KeyDown(QStringLiteral("s"));
    QVERIFY(t.movies.last->log.contains(QStringLiteral("stop")));
    QTest::keyClick(w.view, Qt::Key_P);
    QVERIFY(!w.mvflag);
}

void TestControls::closingTheStageEndsTheProgram()
{
    TestStage t;
    MainWin &w = t.open();
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    // The application notices its last window only while its event loop runs.
    QTimer::singleShot(0, &w, &QWidget::close);
    QTimer::singleShot(5000, qApp, &QCoreApplication::quit); // a guard, should the close not end it
    QCoreApplication::exec();
    QCOMPARE(lastClosed.count(), 1);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
