#include "support/teststage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

namespace {

QByteArray photoBytes(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::cyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Row i's photo is 10 + i pixels wide, so the photo on show tells the row.
MainWin &openWithPrizes(TestStage &t, const QStringList &names, int introMode, bool afterANumber = true)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        t.writeBytes(QStringLiteral("item/") + names.at(i), photoBytes(QSize(10 + int(i), 10)));
    t.writeText(QStringLiteral("def.txt"),
                defText(1, 75, QStringLiteral("年末ビンゴ"), QString(), 6, {{0, introMode}, {22, 0}}));
    MainWin &w = t.open();
    if (afterANumber) {
        // As after the first number: the opening animation is off, the number on show.
        w.opent->setMode(TimerMode::Off);
        w.Noop->hide();
        w.No->show();
        w.btnset(true);
    } else {
        t.advance(500); // the opening animation repeats from its first tick on
    }
    return w;
}

int rowShown(const MainWin &w)
{
    return w.kPhoto->backdrop().isNull() ? -1 : w.kPhoto->backdrop().width() - 10;
}

struct Step
{
    qint64 at;
    int row;
    QString text;
    bool operator==(const Step &) const = default;
};

QDebug operator<<(QDebug d, const Step &s)
{
    return d << s.at << s.row << s.text;
}

// Every step of a running introduction until its timer stops, as times after start.
QList<Step> runToEnd(TestStage &t, MainWin &w, qint64 start)
{
    QList<Step> steps;
    for (int guard = 0; guard < 100 && w.kTime->mode() != TimerMode::Off && t.clock.fireNext(); ++guard)
        steps.append({t.clock.now() - start, rowShown(w), w.kText->text()});
    return steps;
}

} // namespace

class TestIntro : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void continuousTimeline();
    void onePerClick();
    void closingRestoresOpeningTimer_data();
    void closingRestoresOpeningTimer();
    void pressWhileRunningBringsNextSooner();
    void photosReadFromFolderAtEachStep();
    void oneFewerAfterLastPieceHandedOut();
    void emptyCatalogueClosesAtOnce();
    void prizeDrawEndsIntroduction();
    void numberSpinEndsIntroduction();
};

void TestIntro::continuousTimeline()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-液晶テレビ_2.png", "2-B_1.png", "3-C"}, 0);
    w.autoBox->setChecked(true);
    w.autoBox->setText(QStringLiteral("自動抽選停止"));
    w.autoTimer->setPeriod(1000);
    w.autoTimer->setMode(TimerMode::Single);
    w.hitbox[3]->show();
    w.keteibox->show();
    w.titleboxt[1]->setText(QStringLiteral("液晶テレビ"));

    const qint64 start = t.clock.now();
    w.shokaiBtn_Action();
    QVERIFY(w.No->isHidden() && w.Noop->isHidden() && w.hitbox[3]->isHidden());
    QVERIFY(!w.kPhoto->isHidden());
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("年末ビンゴ"));
    QCOMPARE(w.autoTimer->mode(), TimerMode::Off);
    QVERIFY(!w.autoBox->isChecked());
    QCOMPARE(w.autoBox->text(), QStringLiteral("自動抽選開始"));

    const QList<Step> steps = runToEnd(t, w, start);
    const QList<Step> expected{{100, 0, QStringLiteral("液晶テレビ\r2")},
                               {1100, 1, QStringLiteral("B\r1")},
                               {2100, 2, QStringLiteral("C\r")},
                               {3100, -1, QString()}};
    QCOMPARE(steps, expected);
    QVERIFY(w.keteibox->isHidden());
    QVERIFY(!w.No->isHidden());
    QVERIFY(w.Noop->isHidden());
    QCOMPARE(w.opent->mode(), TimerMode::Off);
    QCOMPARE(w.kMax, 3);
}

void TestIntro::onePerClick()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_2.png", "2-B_4.png"}, 1);
    w.shokaiBtn_Action();
    t.advance(99);
    QCOMPARE(rowShown(w), -1);
    t.advance(1);
    QCOMPARE(rowShown(w), 0);
    QCOMPARE(w.kText->text(), QStringLiteral("A\r2"));
    QCOMPARE(w.kMax, 1);
    t.advance(5000); // waits for the next press
    QCOMPARE(rowShown(w), 0);
    QCOMPARE(w.kTime->mode(), TimerMode::Off);

    w.shokaiBtn_Action();
    t.advance(100);
    QCOMPARE(rowShown(w), 1);
    QCOMPARE(w.kText->text(), QStringLiteral("B\r4"));
    QCOMPARE(w.kMax, 0);
    QVERIFY(w.No->isHidden());

    w.shokaiBtn_Action();
    t.advance(100);
    QCOMPARE(rowShown(w), -1);
    QCOMPARE(w.kText->text(), QString());
    QVERIFY(!w.No->isHidden());
    QCOMPARE(w.kMax, 2);
}

void TestIntro::closingRestoresOpeningTimer_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("afterANumber");

    QTest::newRow("continuous after a number") << 0 << true;
    QTest::newRow("continuous during the opening") << 0 << false;
    QTest::newRow("one per click after a number") << 1 << true;
    // Only the first press stores the opening timer's mode: later ones find it off.
    QTest::newRow("one per click during the opening") << 1 << false;
}

void TestIntro::closingRestoresOpeningTimer()
{
    QFETCH(int, mode);
    QFETCH(bool, afterANumber);

    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_2.png", "2-B_1.png"}, mode, afterANumber);
    const TimerMode before = w.opent->mode();
    QCOMPARE(before, afterANumber ? TimerMode::Off : TimerMode::Multiple);
    // Two prizes: one press runs the whole show, or one press each and one to close.
    const int presses = mode == 0 ? 1 : 3;
    for (int i = 0; i < presses; ++i) {
        w.shokaiBtn_Action();
        QCOMPARE(w.opent->mode(), TimerMode::Off);
        t.advance(mode == 0 ? 3000 : 100);
    }
    QCOMPARE(w.kTime->mode(), TimerMode::Off);
    QCOMPARE(w.opent->mode(), before);
    QCOMPARE(w.No->isHidden(), !afterANumber);
    QCOMPARE(w.Noop->isHidden(), afterANumber);
}

void TestIntro::pressWhileRunningBringsNextSooner()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_1.png", "2-B_1.png", "3-C_1.png"}, 0);
    const qint64 start = t.clock.now();
    w.shokaiBtn_Action();
    t.advance(500);
    QCOMPARE(rowShown(w), 0);
    w.shokaiBtn_Action();
    const QList<Step> steps = runToEnd(t, w, start);
    const QList<Step> expected{
        {600, 1, QStringLiteral("B\r1")}, {1600, 2, QStringLiteral("C\r1")}, {2600, -1, {}}};
    QCOMPARE(steps, expected);
}

void TestIntro::photosReadFromFolderAtEachStep()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_1.png", "2-B_1.png"}, 0);
    // Changed after the load: the introduction shows the folder as it is now.
    t.writeBytes(QStringLiteral("item/1-A_1.png"), photoBytes(QSize(900, 33)));
    QFile::remove(t.path(QStringLiteral("item/2-B_1.png")));
    w.shokaiBtn_Action();
    t.advance(100);
    QCOMPARE(w.kPhoto->backdrop().size(), QSize(280, 33));
    t.advance(1000);
    QVERIFY(w.kPhoto->backdrop().isNull());
    QCOMPARE(w.kText->text(), QStringLiteral("B\r1"));
}

void TestIntro::oneFewerAfterLastPieceHandedOut()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_2.png", "2-B_1.png"}, 0);
    t.dice.setLenient(false);
    t.dice.push({0, 0, 0});
    for (int i = 0; i < 25; ++i)
        t.dice.push(1); // r = 2: B
    w.KeihinSelect();
    t.advance(2900);
    QCOMPARE(w.kText->text(), QStringLiteral("B\r終了！"));
    QVERIFY(t.dice.faults().isEmpty());

    const qint64 start = t.clock.now();
    w.shokaiBtn_Action();
    const QList<Step> expected{{100, 0, QStringLiteral("A\r2")}, {1100, -1, {}}};
    QCOMPARE(runToEnd(t, w, start), expected);
}

void TestIntro::emptyCatalogueClosesAtOnce()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {}, 0);
    w.shokaiBtn_Action();
    QVERIFY(w.No->isHidden());
    t.advance(100);
    QCOMPARE(w.kTime->mode(), TimerMode::Off);
    QVERIFY(!w.No->isHidden());
    QCOMPARE(w.kText->text(), QString());
    QCOMPARE(w.kMax, 0);
}

void TestIntro::prizeDrawEndsIntroduction()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_2.png", "2-B_2.png", "3-C_2.png"}, 0);
    w.shokaiBtn_Action();
    t.advance(1100);
    QCOMPARE(rowShown(w), 1);

    w.KeihinSelect();
    QCOMPARE(w.kTime->mode(), TimerMode::Off);
    QCOMPARE(w.kMax, 3);
    QCOMPARE(w.opent->mode(), TimerMode::Off);
    t.advance(2900);
    QCOMPARE(w.kText->text(), QStringLiteral("A\r残り 1"));
    t.advance(5000);
    QCOMPARE(w.kText->text(), QStringLiteral("A\r残り 1"));

    // The next introduction starts from the first prize again.
    w.shokaiBtn_Action();
    t.advance(100);
    QCOMPARE(rowShown(w), 0);
    QCOMPARE(w.kText->text(), QStringLiteral("A\r1"));
}

void TestIntro::numberSpinEndsIntroduction()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_2.png", "2-B_2.png", "3-C_2.png"}, 0);
    w.startBtn->setText(QStringLiteral("スタート")); // between draws
    w.shokaiBtn_Action();
    t.advance(1100);
    QCOMPARE(w.kMax, 1);

    w.StartBtnpush();
    if (w.No->isHidden() && w.startBtn->text() == QStringLiteral("スタート"))
        QSKIP("StartBtnpush does not run yet: the draw engine is still to come");
    QCOMPARE(w.kTime->mode(), TimerMode::Off);
    QVERIFY(!w.No->isHidden());
    QVERIFY(w.kPhoto->backdrop().isNull());
    QCOMPARE(w.kText->text(), QString());
    QCOMPARE(w.kMax, 3);
    t.advance(5000);
    QCOMPARE(w.kMax, 3);
    QCOMPARE(w.kText->text(), QString());
}

QTEST_MAIN(TestIntro)
#include "tst_intro.moc"
