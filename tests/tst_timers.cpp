#include "platform/manualclock.h"
#include "platform/random.h"

#include <QTest>

using namespace zelvo;

class TestTimers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void singleTurnsOffBeforeItsAction();
    void periodChangedInActionGovernsNextInterval();
    void periodChangedWhileWaitingRestartsTheWait();
    void settingAModeRestartsTheWait();
    void dueTimersFireInTimeOrder();
    void scriptedDiceReportMisuse();
    void systemRandomStaysInRange();
};

void TestTimers::singleTurnsOffBeforeItsAction()
{
    ManualClock clock;
    auto t = clock.createTimer(500, TimerMode::Single);
    QList<qint64> ticks;
    bool first = true;
    t->setAction([&] {
        ticks << clock.now();
        // The opening timer's first tick switches it to repeating.
        if (first)
            t->setMode(TimerMode::Multiple);
        first = false;
    });
    clock.advance(1600);
    QCOMPARE(ticks, (QList<qint64>{500, 1000, 1500}));

    auto once = clock.createTimer(300, TimerMode::Single);
    int fired = 0;
    once->setAction([&] { ++fired; });
    clock.advance(1000);
    QCOMPARE(fired, 1);
    QCOMPARE(once->mode(), TimerMode::Off);
}

void TestTimers::periodChangedInActionGovernsNextInterval()
{
    ManualClock clock;
    auto t = clock.createTimer(20, TimerMode::Multiple);
    QList<qint64> ticks;
    t->setAction([&] {
        ticks << clock.now();
        t->setPeriod(t->period() + 2);
    });
    clock.advance(20 + 22 + 24 + 26);
    QCOMPARE(ticks, (QList<qint64>{20, 42, 66, 92}));
}

void TestTimers::periodChangedWhileWaitingRestartsTheWait()
{
    ManualClock clock;
    auto t = clock.createTimer(20, TimerMode::Multiple);
    QList<qint64> ticks;
    t->setAction([&] { ticks << clock.now(); });
    clock.advance(10);
    t->setPeriod(200);
    clock.advance(400);
    QCOMPARE(ticks, (QList<qint64>{210, 410}));
}

void TestTimers::settingAModeRestartsTheWait()
{
    ManualClock clock;
    auto t = clock.createTimer(100, TimerMode::Multiple);
    QList<qint64> ticks;
    t->setAction([&] { ticks << clock.now(); });
    clock.advance(90);
    t->setMode(TimerMode::Multiple);
    clock.advance(100);
    QCOMPARE(ticks, (QList<qint64>{190}));
    t->setMode(TimerMode::Off);
    clock.advance(1000);
    QCOMPARE(ticks.size(), 1);
    QCOMPARE(clock.nextDue(), -1);
}

void TestTimers::dueTimersFireInTimeOrder()
{
    ManualClock clock;
    QStringList order;
    auto a = clock.createTimer(30, TimerMode::Single);
    auto b = clock.createTimer(10, TimerMode::Multiple);
    auto c = clock.createTimer(30, TimerMode::Single);
    a->setAction([&] { order << QStringLiteral("a%1").arg(clock.now()); });
    b->setAction([&] { order << QStringLiteral("b%1").arg(clock.now()); });
    c->setAction([&] { order << QStringLiteral("c%1").arg(clock.now()); });
    clock.advance(30);
    // On a tie the timer made first fires first.
    QCOMPARE(order, (QStringList{"b10", "b20", "a30", "b30", "c30"}));
}

void TestTimers::scriptedDiceReportMisuse()
{
    ScriptedRandom dice;
    dice.push({3, 99});
    QCOMPARE(dice.uniform(1, 5), 3);
    QCOMPARE(dice.uniform(1, 5), 1); // 99 is outside: recorded, low end returned
    QCOMPARE(dice.uniform(0, 16), 0); // past the script
    QCOMPARE(dice.faults().size(), 2);
    QCOMPARE(dice.asked(), (QList<QString>{"1..5", "1..5", "0..16"}));
}

void TestTimers::systemRandomStaysInRange()
{
    SystemRandom r;
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = r.uniform(0, 16);
        QVERIFY(v >= 0 && v <= 16);
        seen.insert(v);
    }
    QCOMPARE(seen.size(), 17);
    QCOMPARE(r.uniform(7, 7), 7);
    QCOMPARE(r.uniform(9, 3), 9);
}

QTEST_GUILESS_MAIN(TestTimers)
#include "tst_timers.moc"
