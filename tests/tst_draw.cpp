#include "stage/drawlogic.h"
#include "support/teststage.h"

#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

namespace {

const QString kStart = QStringLiteral("スタート");
const QString kStop = QStringLiteral("ストップ");
const QString kStopping = QStringLiteral("選択中！");
const QString kAllDrawn = QStringLiteral("全ての番号を選択しました！");

MainWin &openStage(TestStage &t, int mini, int max, std::initializer_list<std::pair<int, int>> options)
{
    t.writeText(QStringLiteral("def.txt"), defText(mini, max, QStringLiteral("T"), QString(), 6, options));
    return t.open();
}

void loadSpinSounds(TestStage &t, MainWin &w)
{
    t.writeBytes(QStringLiteral("sound/sound_s1.wav"), "RIFF");
    t.writeBytes(QStringLiteral("sound/sound_s2.wav"), "RIFF");
    w.sFlag = true;
    w.msound[0] = t.sound.open(t.path(QStringLiteral("sound/sound_s1.wav")), SoundKind::Effect);
    w.msound[1] = t.sound.open(t.path(QStringLiteral("sound/sound_s2.wav")), SoundKind::Effect);
}

// One tick of the spin timer as the audience sees it.
struct Tick
{
    qint64 at;
    QString shown;
};

// Fires timers until the draw completes, recording every tick of the spin.
QList<Tick> runSpin(TestStage &t, MainWin &w, int guard = 500)
{
    QList<Tick> ticks;
    while (w.Stimer->mode() != TimerMode::Off && guard-- > 0) {
        t.clock.fireNext();
        ticks.append({t.clock.now(), w.No->text()});
    }
    return ticks;
}

// Times between ticks, starting from `from`.
QList<qint64> gaps(const QList<Tick> &ticks, qint64 from)
{
    QList<qint64> out;
    for (const Tick &tick : ticks) {
        out.append(tick.at - from);
        from = tick.at;
    }
    return out;
}

// The waits of an auto-stop spin of length n, as the rhythm table gives them.
QList<qint64> autoStopGaps(int n)
{
    QList<qint64> out{20};
    for (int i = 1; i <= n - 6; ++i)
        out.append(20 + 2 * i);
    out.append(202);
    for (int ms : {204, 206, 208, 210})
        out.append(ms);
    return out.mid(0, n);
}

int asks(const ScriptedRandom &dice, const QString &range, int from = 0)
{
    return int(dice.asked().mid(from).count(range));
}

QList<int> flagged(const MainWin &w)
{
    QList<int> out;
    for (int i = 0; i < kFlagCount; ++i) {
        if (w.P[i] == 1)
            out.append(i + 1);
    }
    return out;
}

QStringList drawnTexts(const MainWin &w)
{
    QStringList out;
    for (const DrawnEntry &e : w.cList)
        out.append(e.text);
    return out;
}

// A whole draw: start, and for a spin that never ends by itself, a stop press.
void drawOnce(TestStage &t, MainWin &w)
{
    w.StartBtnpush();
    if (w.sousa[1] != 0 || w.sousa[2] <= 0) {
        t.clock.fireNext();
        w.StartBtnpush();
    }
    runSpin(t, w);
}

// Dice that keep answering with one value: the worst a source can do to rejection sampling.
class StuckRandom : public RandomSource
{
public:
    explicit StuckRandom(int value) : m_value(value) {}
    int uniform(int lo, int hi) override { return std::clamp(m_value, lo, std::max(lo, hi)); }

private:
    int m_value;
};

} // namespace

class TestDraw : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void autoStopSpinSkipsDrawnNumbers();
    void autoStopRhythm_data();
    void autoStopRhythm();
    void stopPressEndsOnFourthTick_data();
    void stopPressEndsOnFourthTick();
    void returnWhileStoppingChangesNothing();
    void singleNumberRange();
    void firstPressLeavesOpening();
    void startPressLeavesPrizeDisplay();
    void autoBoxBeforeFirstPress();
    void autoDrawingRunsAndStops();
    void autoTimerRestartsHandStartedSpin();
    void autoPauseOfHandEditedSetting_data();
    void autoPauseOfHandEditedSetting();
    void externalOrder_data();
    void externalOrder();
    void missingOrderFile();
    void rangeOutsideFlags_data();
    void rangeOutsideFlags();
    void exhaustedRangeNeverHangs();
    void pickIsUniformOverUndrawn();
    void pickFallbackTakesKthUndrawn();
};

void TestDraw::autoStopSpinSkipsDrawnNumbers()
{
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{1, 0}, {2, 10}, {12, 1}});
    loadSpinSounds(t, w);
    // 5 and 9 count as drawn already: the spin must pass over them.
    w.P[4] = w.P[8] = 1;
    w.cList = {{QStringLiteral("5"), 0, 0, 0}, {QStringLiteral("9"), 0, 0, 0}};
    t.dice.setLenient(false);
    t.dice.push({5, 12, 1, 2, 3});
    t.dice.push({9, 9, 33, 4, 5, 6});
    for (int n : {40, 41, 42, 43, 44, 45})
        t.dice.push({n, 16, 0, 8});
    t.dice.push({5, 70, 7, 8, 9}); // last step: its colour is the entry's
    t.dice.push(2);                // the character picture

    const qint64 pressed = t.clock.now();
    w.startBtn->click();
    QCOMPARE(w.startBtn->text(), kStop);
    QVERIFY(!w.sentakuBtn->isEnabled() && !w.shokaiBtn->isEnabled() && !w.kakuBtn->isEnabled());
    const QList<Tick> ticks = runSpin(t, w);

    QCOMPARE(ticks.size(), 10);
    QStringList shown;
    for (const Tick &tick : ticks.mid(0, 9))
        shown << tick.shown;
    QCOMPARE(shown, (QStringList{"12", "33", "40", "41", "42", "43", "44", "45", "70"}));
    QCOMPARE(gaps(ticks, pressed), autoStopGaps(10));
    QVERIFY2(t.dice.faults().isEmpty(), qPrintable(t.dice.faults().join(u'\n')));
    QCOMPARE(t.dice.remaining(), 0);

    QCOMPARE(w.cList.size(), 3);
    const DrawnEntry &e = w.cList.last();
    QCOMPARE(e.text, QStringLiteral("70"));
    QCOMPARE(QColor(e.red, e.green, e.blue), QColor(98, 112, 126));
    QCOMPARE(w.back->fillColor(), QColor(98, 112, 126));
    QCOMPARE(w.P[69], 1);
    QCOMPARE(flagged(w), (QList<int>{5, 9, 70}));

    QCOMPARE(w.startBtn->text(), kStart);
    QVERIFY(w.startBtn->isEnabled());
    QVERIFY(w.sentakuBtn->isEnabled() && w.shokaiBtn->isEnabled() && w.kakuBtn->isEnabled());
    QVERIFY(!w.hitbox[2]->isHidden());
    QVERIFY(w.hitbox[0]->isHidden() && w.hitbox[1]->isHidden() && w.hitbox[3]->isHidden());
    QCOMPARE(w.autoTimer->mode(), TimerMode::Off);
    QCOMPARE(t.sound.log,
             (QStringList{"loop sound/sound_s1.wav", "stop sound/sound_s1.wav", "play sound/sound_s2.wav"}));
}

void TestDraw::autoStopRhythm_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("length 6: slow from the first tick") << 6;
    QTest::newRow("length 10") << 10;
    QTest::newRow("length 50") << 50;
}

void TestDraw::autoStopRhythm()
{
    QFETCH(int, length);
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{1, 0}, {2, length}});
    const qint64 pressed = t.clock.now();
    w.StartBtnpush();
    const QList<Tick> ticks = runSpin(t, w);
    QCOMPARE(gaps(ticks, pressed), autoStopGaps(length));
    QCOMPARE(asks(t.dice, QStringLiteral("1..75")), length - 1);
    QCOMPARE(w.cList.size(), 1);
}

void TestDraw::stopPressEndsOnFourthTick_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("pressAfter"); // ticks before the press
    QTest::addColumn<QList<qint64>>("before");
    QTest::addColumn<QList<qint64>>("after");

    const QList<qint64> autoAfter{200, 202, 204, 206};
    const QList<qint64> handAfter{200, 200, 200, 200};
    QTest::newRow("auto stop, on the tick before the end")
        << 0 << 10 << 9 << autoStopGaps(10).mid(0, 9) << autoAfter;
    QTest::newRow("auto stop, in the fast phase") << 0 << 10 << 2 << QList<qint64>{20, 22} << autoAfter;
    QTest::newRow("auto stop, spin length 0")
        << 0 << 0 << 6 << QList<qint64>{20, 22, 24, 26, 28, 30} << autoAfter;
    QTest::newRow("auto stop, spin length -7") << 0 << -7 << 3 << QList<qint64>{20, 22, 24} << autoAfter;
    QTest::newRow("start then stop") << 1 << 10 << 12 << QList<qint64>(12, 20) << handAfter;
    QTest::newRow("start then stop, spin length 0") << 1 << 0 << 4 << QList<qint64>(4, 20) << handAfter;
}

void TestDraw::stopPressEndsOnFourthTick()
{
    QFETCH(int, mode);
    QFETCH(int, length);
    QFETCH(int, pressAfter);
    QFETCH(QList<qint64>, before);
    QFETCH(QList<qint64>, after);
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{1, mode}, {2, length}});
    loadSpinSounds(t, w);
    const qint64 started = t.clock.now();
    w.StartBtnpush();
    QList<Tick> ticks;
    for (int i = 0; i < pressAfter; ++i) {
        t.clock.fireNext();
        ticks.append({t.clock.now(), w.No->text()});
    }
    QCOMPARE(gaps(ticks, started), before);
    QCOMPARE(w.startBtn->text(), kStop);

    const qint64 pressed = t.clock.now();
    const int asked = int(t.dice.asked().size());
    w.startBtn->click();
    QCOMPARE(w.startBtn->text(), kStopping);
    QVERIFY(!w.startBtn->isEnabled());
    QCOMPARE(t.sound.log.last(), QStringLiteral("stop sound/sound_s1.wav"));

    const QList<Tick> rest = runSpin(t, w);
    QCOMPARE(gaps(rest, pressed), after);
    QCOMPARE(asks(t.dice, QStringLiteral("1..75"), asked), 3);
    QCOMPARE(w.startBtn->text(), kStart);
    QCOMPARE(w.cList.size(), 1);
}

void TestDraw::returnWhileStoppingChangesNothing()
{
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{1, 1}, {2, 10}});
    w.StartBtnpush();
    t.clock.fireNext();
    w.StartBtnpush();
    const qint64 due = t.clock.nextDue();
    const int asked = int(t.dice.asked().size());
    w.StartBtnpush(); // Return reaches the press even while the button is disabled
    QCOMPARE(w.startBtn->text(), kStopping);
    QCOMPARE(w.count, 4);
    QCOMPARE(w.Stimer->period(), 200);
    QCOMPARE(t.clock.nextDue(), due);
    QCOMPARE(int(t.dice.asked().size()), asked);
    runSpin(t, w);
    QCOMPARE(w.cList.size(), 1);
}

void TestDraw::singleNumberRange()
{
    TestStage t;
    MainWin &w = openStage(t, 7, 7, {{2, 10}});
    w.StartBtnpush();
    const QList<Tick> ticks = runSpin(t, w);
    for (const Tick &tick : ticks)
        QCOMPARE(tick.shown, QStringLiteral("7"));
    QCOMPARE(drawnTexts(w), QStringList{"7"});

    w.StartBtnpush();
    QCOMPARE(t.dialogs.messages, QStringList{kAllDrawn});
    QCOMPARE(w.Stimer->mode(), TimerMode::Off);
    QCOMPARE(w.startBtn->text(), kStart);
    // The opening colours come back once the message is dismissed.
    QCOMPARE(w.opent->mode(), TimerMode::Multiple);
    w.StartBtnpush();
    QCOMPARE(t.dialogs.messages.size(), 2);
}

void TestDraw::firstPressLeavesOpening()
{
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{2, 10}});
    t.advance(1000);
    QVERIFY(!w.Noop->isHidden());
    w.OpenTmode = 2;
    w.StartBtnpush();
    QCOMPARE(w.OpenTmode, 0);
    QCOMPARE(w.opent->mode(), TimerMode::Off);
    QVERIFY(w.Noop->isHidden());
    QVERIFY(!w.No->isHidden());
    QCOMPARE(w.startBtn->text(), kStop);
    QCOMPARE(w.count, 10);
    QCOMPARE(w.Stimer->mode(), TimerMode::Multiple);
    QCOMPARE(t.clock.nextDue(), t.clock.now() + 20);
}

void TestDraw::startPressLeavesPrizeDisplay()
{
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{2, 10}});
    drawOnce(t, w);
    // A prize on show, as the prize draw leaves it.
    w.No->hide();
    QImage photo(280, 200, QImage::Format_RGB32);
    photo.fill(Qt::red);
    w.kPhoto->setBackdrop(photo);
    w.kText->setText(QStringLiteral("液晶テレビ\r残り 1"));
    w.kTime->setMode(TimerMode::Multiple);
    w.OpenTmode = 2;
    w.kList = {PrizeRow{}, PrizeRow{}, PrizeRow{}};
    w.kMax = 1;

    // A spin started by the automatic pause leaves the prize on show.
    w.autoTimer_Action();
    QVERIFY(w.No->isHidden());
    runSpin(t, w);

    w.StartBtnpush();
    QVERIFY(!w.No->isHidden());
    QVERIFY(w.kPhoto->backdrop().isNull());
    QCOMPARE(w.kText->text(), QString());
    QCOMPARE(w.kTime->mode(), TimerMode::Off);
    QCOMPARE(w.opent->mode(), TimerMode::Multiple);
    QCOMPARE(w.kMax, 3);
    QCOMPARE(w.startBtn->text(), kStop);
}

void TestDraw::autoBoxBeforeFirstPress()
{
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{2, 10}, {12, 3}});
    w.autoBox->click();
    QVERIFY(w.autoBox->isChecked());
    QCOMPARE(w.autoBox->text(), QStringLiteral("自動抽選開始"));
    QCOMPARE(w.Stimer->mode(), TimerMode::Off);
    QCOMPARE(w.startBtn->text(), QStringLiteral("抽選開始"));

    w.StartBtnpush();
    QCOMPARE(w.startBtn->text(), kStop);
    QVERIFY(w.startBtn->isEnabled());
    runSpin(t, w);
    QCOMPARE(w.autoTimer->mode(), TimerMode::Single);
    const qint64 done = t.clock.now();
    t.advance(1499);
    QCOMPARE(w.Stimer->mode(), TimerMode::Off);
    t.advance(1);
    QCOMPARE(t.clock.now() - done, 1500);
    QCOMPARE(w.startBtn->text(), kStop);
    QCOMPARE(w.autoBox->text(), QStringLiteral("自動抽選開始"));
}

void TestDraw::autoDrawingRunsAndStops()
{
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{2, 10}, {12, 2}});
    drawOnce(t, w);
    w.autoBox->click();
    QCOMPARE(w.autoBox->text(), QStringLiteral("自動抽選停止"));
    QCOMPARE(w.startBtn->text(), kStop);
    QVERIFY(w.startBtn->isEnabled()); // each automatic spin can still be stopped by hand
    runSpin(t, w);
    QCOMPARE(w.cList.size(), 2);
    t.advance(1000);
    QCOMPARE(w.startBtn->text(), kStop);
    runSpin(t, w);
    QCOMPARE(w.cList.size(), 3);

    // Switched off during the pause: the pause still gives one draw, and that is the last.
    w.autoBox->click();
    QCOMPARE(w.autoBox->text(), QStringLiteral("自動抽選開始"));
    QVERIFY(w.startBtn->isEnabled());
    t.advance(1000);
    runSpin(t, w);
    QCOMPARE(w.cList.size(), 4);
    QCOMPARE(w.autoTimer->mode(), TimerMode::Off);
    t.advance(10000);
    QCOMPARE(w.cList.size(), 4);
}

void TestDraw::autoTimerRestartsHandStartedSpin()
{
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{2, 10}, {12, 2}});
    loadSpinSounds(t, w);
    drawOnce(t, w);
    w.autoBox->click();
    runSpin(t, w);
    const qint64 pauseEnds = t.clock.now() + 1000;
    t.advance(100);
    w.startBtn->click(); // a spin by hand during the pause
    t.advance(pauseEnds - t.clock.now() - 1);
    QVERIFY(w.count < 10);
    const int loops = int(t.sound.log.count(QStringLiteral("loop sound/sound_s1.wav")));
    t.advance(1);
    QCOMPARE(w.count, 10);
    QCOMPARE(w.Stimer->period(), 20);
    QCOMPARE(t.clock.nextDue(), pauseEnds + 20);
    QCOMPARE(t.sound.log.count(QStringLiteral("loop sound/sound_s1.wav")), loops + 1);
    const QList<Tick> ticks = runSpin(t, w);
    QCOMPARE(gaps(ticks, pauseEnds), autoStopGaps(10));
}

void TestDraw::autoPauseOfHandEditedSetting_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<qint64>("pause");
    QTest::newRow("5 half-seconds") << 5 << qint64(2500);
    QTest::newRow("0 waits the shortest step") << 0 << qint64(500);
    QTest::newRow("negative waits the shortest step") << -4 << qint64(500);
    QTest::newRow("huge is held to an hour") << 2000000000 << qint64(3600000);
}

void TestDraw::autoPauseOfHandEditedSetting()
{
    QFETCH(int, setting);
    QFETCH(qint64, pause);
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{2, 10}, {12, setting}});
    drawOnce(t, w);
    w.autoBox->click();
    runSpin(t, w);
    QCOMPARE(t.clock.nextDue() - t.clock.now(), pause);
}

void TestDraw::externalOrder_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("draws");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("flags");
    QTest::addColumn<QString>("board"); // the texts as the board letters them

    QTest::newRow("7, 3, 7 then random")
        << "7,3,7" << 4 << QStringList{"7", "3", "7", "1"} << QList<int>{1, 3, 7} << "7、3、7、1";
    QTest::newRow("line ends and blanks stay in the text")
        << "7,\r\n3 , 12\r\n"
        << 3 << QStringList{"7", "\r\n3 ", " 12\r\n"} << QList<int>{3, 7, 12} << "7、3 、 12";
    QTest::newRow("full-width digits")
        << "７,１２" << 2 << QStringList{"７", "１２"} << QList<int>{7, 12} << "７、１２";
    QTest::newRow("trailing comma leaves the spun number")
        << "7," << 2 << QStringList{"7", "1"} << QList<int>{1, 7} << "7、1";
    QTest::newRow("fields the flags cannot hold")
        << "0,abc,-5,10002,99999999999,10001" << 6
        << QStringList{"0", "abc", "-5", "10002", "99999999999", "10001"} << QList<int>{10001}
        << "0、abc、-5、10002、99999999999、10001";
}

void TestDraw::externalOrder()
{
    QFETCH(QString, file);
    QFETCH(int, draws);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, flags);
    QFETCH(QString, board);
    TestStage t;
    t.writeText(QStringLiteral("select.csv"), file);
    MainWin &w = openStage(t, 1, 75, {{2, 10}, {21, 1}});
    QCOMPARE(w.CyusenList, file);
    for (int i = 0; i < draws; ++i)
        drawOnce(t, w);
    QCOMPARE(drawnTexts(w), texts);
    QCOMPARE(w.No->text(), texts.last());
    // Lettered on one line, so a line end cannot push the number out of the oval.
    QCOMPARE(static_cast<QLabel *>(w.No)->text(), QString(texts.last()).remove(u'\r').remove(u'\n'));
    QCOMPARE(w.result->accessibleDescription(), board);
    QCOMPARE(flagged(w), flags);
    QVERIFY(t.dialogs.messages.isEmpty());
    // The spin itself stays random, inside the range.
    QCOMPARE(asks(t.dice, QStringLiteral("1..75")),
             int(t.dice.asked().size()) - asks(t.dice, "0..16") - asks(t.dice, "0..3"));
}

void TestDraw::missingOrderFile()
{
    TestStage t;
    MainWin &w = openStage(t, 1, 75, {{2, 10}, {21, 1}});
    QCOMPARE(t.dialogs.messages, QStringList{QStringLiteral("「select.csv」がありません。")});
    QCOMPARE(w.CyusenList, QString());
    drawOnce(t, w);
    QCOMPARE(drawnTexts(w), QStringList{"1"});

    // Read again once it is there.
    t.writeText(QStringLiteral("select.csv"), QStringLiteral("42"));
    w.GetClist();
    QCOMPARE(w.CyusenList, QStringLiteral("42"));
    QCOMPARE(t.dialogs.messages.size(), 1);
}

void TestDraw::rangeOutsideFlags_data()
{
    QTest::addColumn<bool>("withSettings");
    QTest::addColumn<int>("mini");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("numbers");

    QTest::newRow("no def.txt: 0 to 75") << false << 0 << 75 << "1..75" << 75;
    QTest::newRow("below 1") << true << -20 << 5 << "1..5" << 5;
    QTest::newRow("above 10001") << true << 9995 << 20000 << "9995..10001" << 7;
    QTest::newRow("lowest above highest") << true << 50 << 10 << QString() << 0;
}

void TestDraw::rangeOutsideFlags()
{
    QFETCH(bool, withSettings);
    QFETCH(int, mini);
    QFETCH(int, max);
    QFETCH(QString, asked);
    QFETCH(int, numbers);
    TestStage t;
    MainWin &w = withSettings ? openStage(t, mini, max, {{2, 6}}) : t.open();
    QCOMPARE(w.mini, mini);
    QCOMPARE(w.max, max);
    for (int i = 0; i < numbers; ++i)
        drawOnce(t, w);
    QCOMPARE(w.cList.size(), numbers);
    QCOMPARE(flagged(w).size(), numbers);
    if (numbers > 0) {
        QCOMPARE(flagged(w).first(), std::max(mini, 1));
        QCOMPARE(flagged(w).last(), std::min(max, kFlagCount));
    }
    // Numbers come from the clamped range only; "0..k" with k below the count is the fallback's pick.
    QStringList allowed{asked, QStringLiteral("0..16"), QStringLiteral("0..3")};
    for (int k = 0; k < numbers; ++k)
        allowed << QStringLiteral("0..%1").arg(k);
    for (const QString &a : t.dice.asked())
        QVERIFY2(allowed.contains(a), qPrintable(a));
    QVERIFY(t.dialogs.messages.isEmpty());

    w.StartBtnpush();
    QCOMPARE(t.dialogs.messages, QStringList{kAllDrawn});
    QCOMPARE(w.Stimer->mode(), TimerMode::Off);
}

void TestDraw::exhaustedRangeNeverHangs()
{
    TestStage t;
    MainWin &w = openStage(t, 1, 5, {{2, 10}});
    drawOnce(t, w);
    // Every number of the range flagged with fewer entries than numbers (a range edited mid-game).
    for (int i = 0; i < 5; ++i)
        w.P[i] = 1;
    w.StartBtnpush();
    QCOMPARE(t.dialogs.messages, QStringList{kAllDrawn});
    QCOMPARE(w.Stimer->mode(), TimerMode::Off);

    // A step with nothing left keeps the last number up and still turns the colour.
    w.No->setText(QStringLiteral("4"));
    t.dice.push({1, 1, 1, 1, 2, 3});
    w.plot();
    QCOMPARE(w.No->text(), QStringLiteral("4"));
    QCOMPARE(pickUndrawn(w.P, drawRange(1, 5), t.dice), 0);
}

void TestDraw::pickIsUniformOverUndrawn()
{
    DrawnFlags P{};
    for (int i = 0; i < 15; ++i)
        P[i] = 1;
    SeededRandom random(20240601);
    QMap<int, int> hits;
    const int picks = 50000;
    for (int i = 0; i < picks; ++i)
        ++hits[pickUndrawn(P, drawRange(1, 20), random)];
    QCOMPARE(hits.keys(), (QList<int>{16, 17, 18, 19, 20}));
    for (int n : hits.keys())
        QVERIFY2(std::abs(hits.value(n) - picks / 5) < 450, qPrintable(QString::number(hits.value(n))));

    // One number left of the widest range: found, with dice that keep landing on drawn ones.
    DrawnFlags full{};
    full.fill(1);
    full[4321] = 0;
    StuckRandom stuck(1);
    QCOMPARE(pickUndrawn(full, drawRange(1, 10001), stuck), 4322);
}

void TestDraw::pickFallbackTakesKthUndrawn()
{
    DrawnFlags P{};
    P[0] = P[1] = P[3] = 1; // undrawn: 3, 5
    ScriptedRandom dice;
    for (int i = 0; i < 5; ++i)
        dice.push(i % 2 == 0 ? 1 : 4);
    dice.push(1);
    QCOMPARE(pickUndrawn(P, drawRange(1, 5), dice), 5);
    QVERIFY(dice.faults().isEmpty());
    QCOMPARE(dice.asked().last(), QStringLiteral("0..1"));
}

QTEST_MAIN(TestDraw)
#include "tst_draw.moc"
