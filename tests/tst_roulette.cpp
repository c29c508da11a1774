#include "prizes/catalog.h"
#include "prizes/pick.h"
#include "support/teststage.h"

#include <QBuffer>
#include <QDir>
#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

namespace {

// Row i's photo is 10 + i pixels wide, so the photo on show tells the row.
MainWin &openWithPrizes(TestStage &t, const QStringList &names, int rule, int stopMode)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        QImage image(QSize(10 + int(i), 10), QImage::Format_RGB32);
        image.fill(Qt::yellow);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        t.writeBytes(QStringLiteral("item/") + names.at(i), bytes);
    }
    t.writeText(QStringLiteral("def.txt"),
                defText(1, 75, QStringLiteral("年末ビンゴ"), QString(), 6, {{8, rule}, {22, stopMode}}));
    MainWin &w = t.open();
    // As after the first number: the opening animation is off and the prize buttons are on.
    w.opent->setMode(TimerMode::Off);
    w.btnset(true);
    return w;
}

int rowShown(const MainWin &w)
{
    return w.kPhoto->backdrop().isNull() ? -1 : w.kPhoto->backdrop().width() - 10;
}

// What the key handler does with the space key.
void pressSpace(MainWin &w)
{
    if (w.sentakuBtn->isEnabled())
        w.KeihinSelect();
}

void hookPrizeSounds(TestStage &t, MainWin &w)
{
    t.writeBytes(QStringLiteral("sound/sound_k1.wav"), QByteArray("RIFF"));
    t.writeBytes(QStringLiteral("sound/sound_k2.wav"), QByteArray("RIFF"));
    w.sFlag = true;
    w.msound[2] = t.sound.open(t.path(QStringLiteral("sound/sound_k1.wav")), SoundKind::Effect);
    w.msound[3] = t.sound.open(t.path(QStringLiteral("sound/sound_k2.wav")), SoundKind::Effect);
}

QStringList prizeSoundLog(const TestStage &t)
{
    QStringList out;
    for (const QString &line : t.sound.log) {
        if (line.contains(QStringLiteral("sound_k")))
            out << line;
    }
    return out;
}

double chiSquare(const QList<int> &observed, const QList<double> &expected, int draws, int *freedom)
{
    double chi = 0;
    *freedom = -1;
    for (qsizetype i = 0; i < observed.size(); ++i) {
        if (expected.at(i) == 0)
            continue;
        const double e = expected.at(i) * draws;
        chi += (observed.at(i) - e) * (observed.at(i) - e) / e;
        ++*freedom;
    }
    return chi;
}

} // namespace

class TestRoulette : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void walkOverEveryR_data();
    void walkOverEveryR();
    void pickFrequencies_data();
    void pickFrequencies();
    void automaticStop();
    void manualStopAtTheNextStep();
    void manualStopEndsItselfAfter1000Steps();
    void countdownAtTheStop_data();
    void countdownAtTheStop();
    void emptyCatalogueSaysNoPrizes();
    void endsWhileKMaxIsZero();
    void resetToEmptyFolderEndsRoulette();
};

void TestRoulette::walkOverEveryR_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("rolls");
    QTest::addColumn<QList<int>>("rows");

    // Weighted: the roll is r − 1; r = total falls through to row 0.
    QTest::newRow("five and one") << 2 << QStringList{"1-A_5.png", "2-B_1.png"}
                                  << QList<int>{0, 1, 2, 3, 4, 5} << QList<int>{0, 0, 0, 0, 1, 0};
    QTest::newRow("rule 0 walks as rule 2") << 0 << QStringList{"1-A_5.png", "2-B_1.png"}
                                            << QList<int>{0, 1, 2, 3, 4, 5} << QList<int>{0, 0, 0, 0, 1, 0};
    QTest::newRow("equal counts") << 2 << QStringList{"1-A_2.png", "2-B_2.png", "3-C_2.png"}
                                  << QList<int>{0, 1, 2, 3, 4, 5} << QList<int>{0, 1, 1, 2, 2, 0};
    QTest::newRow("first row without pieces only at r = total")
        << 2 << QStringList{"1-A_0.png", "2-B_3.png", "3-C_2.png"} << QList<int>{0, 1, 2, 3, 4}
        << QList<int>{1, 1, 2, 2, 0};
    QTest::newRow("middle row without pieces never") << 2 << QStringList{"1-A_2.png", "2-B.png", "3-C_1.png"}
                                                     << QList<int>{0, 1, 2} << QList<int>{0, 2, 0};
    QTest::newRow("rule 1 rolls the row") << 1 << QStringList{"1-A_5.png", "2-B_1.png", "3-C_9.png"}
                                          << QList<int>{2, 0, 1} << QList<int>{2, 0, 1};
    QTest::newRow("no pieces at all rolls the row") << 2 << QStringList{"1-A_0.png", "2-B.png", "3-C_0.png"}
                                                    << QList<int>{1, 2, 0} << QList<int>{1, 2, 0};
}

void TestRoulette::walkOverEveryR()
{
    QFETCH(int, rule);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, rolls);
    QFETCH(QList<int>, rows);

    TestStage t;
    // Manual stop: the roulette turns long enough for every roll.
    MainWin &w = openWithPrizes(t, names, rule, 1);
    t.dice.setLenient(false);
    t.dice.push({0, 0, 0});
    for (int roll : rolls)
        t.dice.push(roll);
    w.KeihinSelect();

    QList<int> shown;
    for (qsizetype i = 0; i < rolls.size(); ++i) {
        t.advance(100);
        shown << rowShown(w);
    }
    QCOMPARE(shown, rows);
    QVERIFY2(t.dice.faults().isEmpty(), qPrintable(t.dice.faults().join(u'\n')));
    int total = 0;
    for (const PrizeRow &row : w.kList)
        total += countValue(row);
    const int range = (rule == 1 || total <= 0) ? int(names.size()) : total;
    const QString asked = QStringLiteral("0..%1").arg(range - 1);
    QCOMPARE(t.dice.asked().mid(3), QList<QString>(rolls.size(), asked));
}

void TestRoulette::pickFrequencies_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<double>>("expected");

    QTest::newRow("rule 1: every rank alike") << 1 << QList<int>{5, 1} << QList<double>{0.5, 0.5};
    QTest::newRow("rule 2: every piece alike") << 2 << QList<int>{5, 1} << QList<double>{5.0 / 6, 1.0 / 6};
    QTest::newRow("rule 0 picks as rule 2") << 0 << QList<int>{5, 1} << QList<double>{5.0 / 6, 1.0 / 6};
    QTest::newRow("rule 2 with a row of no pieces")
        << 2 << QList<int>{3, 0, 2} << QList<double>{3.0 / 5, 0, 2.0 / 5};
    QTest::newRow("no pieces at all: rows alike")
        << 2 << QList<int>{0, 0, 0} << QList<double>{1.0 / 3, 1.0 / 3, 1.0 / 3};
}

void TestRoulette::pickFrequencies()
{
    QFETCH(int, rule);
    QFETCH(QList<int>, counts);
    QFETCH(QList<double>, expected);

    SeededRandom random(20241207);
    int total = 0;
    for (int c : counts)
        total += c;
    // 60000 draws: a pick off by one piece in six (4/6 for 5/6) scores in the thousands.
    constexpr int draws = 60000;
    QList<int> observed(counts.size(), 0);
    for (int i = 0; i < draws; ++i) {
        const int sel = pickPrize(rule, counts, total, random);
        QVERIFY(sel >= 0 && sel < counts.size());
        ++observed[sel];
    }
    for (qsizetype i = 0; i < counts.size(); ++i) {
        if (expected.at(i) == 0)
            QCOMPARE(observed.at(i), 0);
    }
    int freedom = 0;
    const double chi = chiSquare(observed, expected, draws, &freedom);
    // Critical values at p = 0.001 for 1 and 2 degrees of freedom.
    const double critical = freedom == 1 ? 10.83 : 13.82;
    QVERIFY2(chi < critical, qPrintable(QStringLiteral("chi-square %1 for %2")
                                            .arg(chi)
                                            .arg(QString::number(observed.at(0)) + QStringLiteral(" / ") +
                                                 QString::number(observed.at(1)))));
}

void TestRoulette::automaticStop()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_3.png", "2-B_1.png"}, 2, 0);
    hookPrizeSounds(t, w);
    w.hitbox[2]->show();
    w.No->show();
    // A pause of the automatic number draw is running.
    w.autoTimer->setPeriod(1500);
    w.autoTimer->setMode(TimerMode::Single);
    t.dice.setLenient(false);
    t.dice.push({16, 5, 0});
    for (int i = 0; i < 24; ++i)
        t.dice.push(i % 4); // r = 1 … 4: A, A, B, A in turn
    t.dice.push(0);         // the 25th step decides: A

    const qint64 start = t.clock.now();
    w.KeihinSelect();
    QCOMPARE(w.back->fillColor(), QColor(160, 50, 0));
    QCOMPARE(w.sentakuBtn->text(), QStringLiteral("選択中！"));
    QVERIFY(!w.sentakuBtn->isEnabled());
    QVERIFY(!w.startBtn->isEnabled());
    QVERIFY(!w.shokaiBtn->isEnabled());
    QVERIFY(!w.kakuBtn->isEnabled());
    QVERIFY(w.No->isHidden());
    QVERIFY(w.hitbox[2]->isHidden());
    QVERIFY(!w.kPhoto->isHidden());
    QCOMPARE(w.autoTimer->mode(), TimerMode::Off);
    QCOMPARE(w.tMax, 4);
    QCOMPARE(prizeSoundLog(t), QStringList{"loop sound/sound_k1.wav"});

    QList<qint64> times;
    for (int guard = 0; guard < 100 && w.FindTimer->mode() != TimerMode::Off && t.clock.fireNext(); ++guard) {
        times << t.clock.now() - start;
        // The space key has nothing to stop: the button is disabled.
        if (times.size() == 3)
            pressSpace(w);
    }
    QList<qint64> expected;
    qint64 at = 0;
    for (int k = 1; k <= 25; ++k)
        expected << (at += 20 + 8 * (k - 1));
    QCOMPARE(times, expected);
    QCOMPARE(expected.last(), 2900);

    QCOMPARE(rowShown(w), 0);
    QCOMPARE(w.kText->text(), QStringLiteral("A\r残り 2"));
    QCOMPARE(w.kList.at(0).countText, QStringLiteral("2"));
    QCOMPARE(w.titleboxt[0]->text(), QStringLiteral("A"));
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("A"));
    QVERIFY(!w.keteibox->isHidden());
    QCOMPARE(w.keteibox->backdrop(), w.pictures.get(QStringLiteral("kete.gif")));
    QCOMPARE(w.sentakuBtn->text(), QStringLiteral("景品選択"));
    QVERIFY(w.sentakuBtn->isEnabled() && w.startBtn->isEnabled() && w.shokaiBtn->isEnabled() &&
            w.kakuBtn->isEnabled());
    QVERIFY(w.No->isHidden());
    QCOMPARE(prizeSoundLog(t),
             (QStringList{"loop sound/sound_k1.wav", "play sound/sound_k2.wav", "stop sound/sound_k1.wav"}));
    QVERIFY2(t.dice.faults().isEmpty(), qPrintable(t.dice.faults().join(u'\n')));

    // The next draw puts the event title back before it turns.
    t.dice.setLenient(true);
    w.KeihinSelect();
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("年末ビンゴ"));
    QVERIFY(w.keteibox->isHidden());
    QCOMPARE(w.kText->text(), QString());
}

void TestRoulette::manualStopAtTheNextStep()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_2.png", "2-B_2.png", "3-C_1.png"}, 1, 1);
    hookPrizeSounds(t, w);
    t.dice.setLenient(false);
    t.dice.push({0, 0, 0});
    for (int i = 0; i < 10; ++i)
        t.dice.push(i % 3);
    t.dice.push(2); // the step after the press decides: C

    pressSpace(w);
    QCOMPARE(w.sentakuBtn->text(), QStringLiteral("ストップ"));
    QVERIFY(w.sentakuBtn->isEnabled());
    QVERIFY(!w.startBtn->isEnabled());
    QCOMPARE(w.cMax, 1000);
    t.advance(1000);
    QCOMPARE(t.dice.asked().size(), 3 + 10);
    QCOMPARE(w.FindTimer->period(), 100);
    QCOMPARE(rowShown(w), 0);

    w.hitbox[1]->show();
    pressSpace(w);
    QVERIFY(w.hitbox[1]->isHidden());
    QCOMPARE(w.cMax, 1);
    QCOMPARE(t.dice.asked().size(), 3 + 10); // the stop press rolls nothing
    t.advance(99);
    QCOMPARE(w.FindTimer->mode(), TimerMode::Multiple);
    t.advance(1);
    QCOMPARE(w.FindTimer->mode(), TimerMode::Off);
    QCOMPARE(rowShown(w), 2);
    QCOMPARE(w.kText->text(), QStringLiteral("C\r終了！"));
    QCOMPARE(w.kList.size(), 2);
    QCOMPARE(w.kMax, 2);
    QCOMPARE(w.sentakuBtn->text(), QStringLiteral("景品選択"));
    QVERIFY(w.startBtn->isEnabled());
    QCOMPARE(prizeSoundLog(t),
             (QStringList{"loop sound/sound_k1.wav", "play sound/sound_k2.wav", "stop sound/sound_k1.wav"}));
    t.advance(1000);
    QCOMPARE(t.dice.asked().size(), 3 + 11);
    QVERIFY(t.dice.faults().isEmpty());

    // Photo indices stay with their rows: B is still shown with B's photo.
    t.dice.push({0, 0, 0, 1, 1});
    pressSpace(w);
    t.advance(100);
    pressSpace(w);
    t.advance(100);
    QCOMPARE(rowShown(w), 1);
    QCOMPARE(w.kText->text(), QStringLiteral("B\r残り 1"));
}

void TestRoulette::manualStopEndsItselfAfter1000Steps()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_2.png"}, 2, 1);
    w.KeihinSelect();
    t.advance(99999);
    QCOMPARE(w.FindTimer->mode(), TimerMode::Multiple);
    QCOMPARE(w.cMax, 1);
    t.advance(1);
    QCOMPARE(w.FindTimer->mode(), TimerMode::Off);
    QCOMPARE(w.kText->text(), QStringLiteral("A\r残り 1"));
    QCOMPARE(t.dice.asked().size(), 3 + 1000);
}

void TestRoulette::countdownAtTheStop_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left"); // column 1 afterwards; empty when the row went

    QTest::newRow("three leave two") << "1-液晶テレビ_3.jpg"
                                     << "液晶テレビ\r残り 2"
                                     << "2";
    QTest::newRow("the last piece finishes") << "1-液晶テレビ_1.jpg"
                                             << "液晶テレビ\r終了！"
                                             << "";
    QTest::newRow("no pieces goes below zero") << "1-A_0.jpg"
                                               << "A\r残り -1"
                                               << "-1";
    QTest::newRow("no count goes below zero") << "1-A.jpg"
                                              << "A.jpg\r残り -1"
                                              << "-1";
    QTest::newRow("count with words after it") << "2-B_2個.jpg"
                                               << "B\r残り 1"
                                               << "1";
    QTest::newRow("two dashes show the rank") << "1-A-B_2.jpg"
                                              << "1-A-B\r残り 1"
                                              << "1";
}

void TestRoulette::countdownAtTheStop()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, left);

    TestStage t;
    MainWin &w = openWithPrizes(t, {name}, 2, 0);
    w.KeihinSelect();
    t.advance(2900);
    QCOMPARE(w.FindTimer->mode(), TimerMode::Off);
    QCOMPARE(w.kText->text(), text);
    if (left.isEmpty()) {
        QVERIFY(w.kList.isEmpty());
        QCOMPARE(w.kMax, 0);
        w.KeihinSelect();
        QCOMPARE(w.kText->text(), QStringLiteral("景品がありません！"));
        QCOMPARE(w.FindTimer->mode(), TimerMode::Off);
    } else {
        QCOMPARE(w.kList.size(), 1);
        QCOMPARE(w.kList.at(0).countText, left);
        QCOMPARE(w.kMax, 1);
    }
}

void TestRoulette::emptyCatalogueSaysNoPrizes()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {}, 2, 0);
    hookPrizeSounds(t, w);
    w.No->show();
    w.titleboxt[1]->setText(QStringLiteral("液晶テレビ"));
    t.dice.push({3, 16, 1});
    w.KeihinSelect();
    QCOMPARE(w.kText->text(), QStringLiteral("景品がありません！"));
    QCOMPARE(w.back->fillColor(), QColor(30, 160, 10));
    QVERIFY(w.No->isHidden());
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("年末ビンゴ"));
    QCOMPARE(w.FindTimer->mode(), TimerMode::Off);
    QVERIFY(w.startBtn->isEnabled() && w.sentakuBtn->isEnabled());
    QCOMPARE(w.sentakuBtn->text(), QStringLiteral("景品選択"));
    QVERIFY(prizeSoundLog(t).isEmpty());
}

void TestRoulette::endsWhileKMaxIsZero()
{
    // The one-per-click introduction leaves kMax at 0 after its last prize.
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_2.png", "2-B_2.png"}, 2, 0);
    w.kMax = 0;
    w.KeihinSelect();
    t.advance(2900);
    QCOMPARE(w.FindTimer->mode(), TimerMode::Off);
    QCOMPARE(w.kText->text(), QStringLiteral("A\r残り 1"));
    QVERIFY(w.startBtn->isEnabled());

    w.KeihinSelect();
    w.kMax = 0;
    t.advance(2900);
    QCOMPARE(w.FindTimer->mode(), TimerMode::Off);
    QVERIFY(w.sentakuBtn->isEnabled());
}

void TestRoulette::resetToEmptyFolderEndsRoulette()
{
    TestStage t;
    MainWin &w = openWithPrizes(t, {"1-A_2.png"}, 2, 1);
    hookPrizeSounds(t, w);
    w.KeihinSelect();
    t.advance(300);
    QDir(t.path(QStringLiteral("item"))).removeRecursively();
    w.LoadKeihin();
    t.advance(100);
    QCOMPARE(w.FindTimer->mode(), TimerMode::Off);
    QCOMPARE(w.kText->text(), QStringLiteral("景品がありません！"));
    QCOMPARE(w.sentakuBtn->text(), QStringLiteral("景品選択"));
    QVERIFY(!w.sentakuBtn->isEnabled()); // as the reset left it, until a number is drawn
    QVERIFY(w.startBtn->isEnabled());
    QCOMPARE(prizeSoundLog(t).last(), QStringLiteral("stop sound/sound_k1.wav"));
}

QTEST_MAIN(TestRoulette)
#include "tst_roulette.moc"
