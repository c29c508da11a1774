#include "app/deffile.h"
#include "platform/files.h"
#include "platform/textcodec.h"
#include "support/teststage.h"

#include <QAction>
#include <QFile>
#include <QTest>

#include "support/filesizelimit.h"

using namespace zelvo;
using namespace zelvo::test;

namespace {

QStringList lines48()
{
    QStringList l{"1", "90", "年末ビンゴ", "夜空", "Noto Sans CJK JP", QString::fromUtf16(kSameFontAsTitle),
                  "8"};
    for (int n = 0; n < 41; ++n)
        l << QString::number(n + 100);
    return l;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsLines_data();
    void readsLines();
    void keepsSecondBlockOfShortFile();
    void writesFortyEightLines();
    void missingFileGivesDefaultsAndWritesNothing();
    void appliesWindowSettings();
    void headOnlyFileGivesWhiteWindow();
    void saveThenLoadRestoresEveryField();
    void junkFileLoadsSafely_data();
    void junkFileLoadsSafely();
    void failedSaveKeepsOldFile();
};

void TestSettingsFile::readsLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("mini");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("terop");
    QTest::addColumn<int>("yoko");
    QTest::addColumn<int>("spin");   // sousa(2)
    QTest::addColumn<int>("volume"); // sousa(20)
    QTest::addColumn<int>("order");  // sousa(21)

    const QStringList full = lines48();
    QTest::newRow("full file") << full << int(DefExtent::Full) << 1 << 90 << "年末ビンゴ" << 8 << 102 << 120
                               << 121;
    QTest::newRow("lines after 48 ignored") << (full + QStringList{"7", "8", "9"}) << int(DefExtent::Full)
                                            << 1 << 90 << "年末ビンゴ" << 8 << 102 << 120 << 121;
    QTest::newRow("head alone") << full.mid(0, 7) << int(DefExtent::HeadOnly) << 1 << 90 << "年末ビンゴ" << 8
                                << 12 << 0 << 0;
    QTest::newRow("three lines") << full.mid(0, 3) << int(DefExtent::HeadOnly) << 1 << 90 << "年末ビンゴ" << 0
                                 << 12 << 0 << 0;
    QTest::newRow("empty file") << QStringList{} << int(DefExtent::HeadOnly) << 0 << 0 << "" << 0 << 12 << 0
                                << 0;
    QTest::newRow("ends inside first block")
        << full.mid(0, 12) << int(DefExtent::FirstBlock) << 1 << 90 << "年末ビンゴ" << 8 << 102 << 0 << 0;
    QStringList zero = full.mid(0, 28);
    zero[27] = QStringLiteral("0");
    QTest::newRow("line 28 zero reads 70")
        << zero << int(DefExtent::FirstBlock) << 1 << 90 << "年末ビンゴ" << 8 << 102 << 70 << 0;
    for (const char *v : {"00", " 0", ""}) {
        QStringList other = zero;
        other[27] = QString::fromLatin1(v);
        QTest::newRow(qPrintable(QStringLiteral("line 28 \"%1\" reads 0").arg(QString::fromLatin1(v))))
            << other << int(DefExtent::FirstBlock) << 1 << 90 << "年末ビンゴ" << 8 << 102 << 0 << 0;
    }
}

void TestSettingsFile::readsLines()
{
    QFETCH(QStringList, lines);
    StageState s;
    const DefExtent extent = readDefLines(lines, s);
    QTEST(int(extent), "extent");
    QTEST(s.mini, "mini");
    QTEST(s.max, "max");
    QTEST(s.terop, "terop");
    QTEST(s.yoko, "yoko");
    QTEST(s.sousa[2], "spin");
    QTEST(s.sousa[20], "volume");
    QTEST(s.sousa[21], "order");
}

void TestSettingsFile::keepsSecondBlockOfShortFile()
{
    StageState s;
    s.sousa[21] = 1;
    s.sousa[40] = 9;
    readDefLines(lines48().mid(0, 28), s);
    QCOMPARE(s.sousa[21], 1);
    QCOMPARE(s.sousa[40], 9);
}

void TestSettingsFile::writesFortyEightLines()
{
    StageState s;
    readDefLines(lines48(), s);
    const QStringList out = defLines(s);
    QCOMPARE(out.size(), kDefLineCount);
    QCOMPARE(out, lines48());

    // A line break in a text would shift every later line.
    s.terop = QStringLiteral("一行目\n二行目");
    QCOMPARE(defLines(s).size(), kDefLineCount);
    QCOMPARE(defLines(s).at(2), QStringLiteral("一行目 二行目"));
}

void TestSettingsFile::missingFileGivesDefaultsAndWritesNothing()
{
    TestStage t;
    MainWin &w = t.open();
    QCOMPARE(w.mini, 0);
    QCOMPARE(w.max, 75);
    QCOMPARE(w.yoko, 6);
    QCOMPARE(w.terop, QStringLiteral("ようこそZelvoへ！"));
    QCOMPARE(w.sousa, (std::array<int, 41>{}));
    QVERIFY(!QFile::exists(t.path(QStringLiteral("def.txt"))));
    QVERIFY(t.sound.opened.isEmpty());
}

void TestSettingsFile::appliesWindowSettings()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 75, QStringLiteral("T"), QString(), 6,
                                                   {{3, 1},
                                                    {4, 10},
                                                    {5, 20},
                                                    {6, 30},
                                                    {7, 1},
                                                    {11, 1},
                                                    {13, 1},
                                                    {14, 2},
                                                    {15, 3},
                                                    {16, 4},
                                                    {17, 5},
                                                    {18, 6},
                                                    {19, 1}}));
    MainWin &w = t.open();
    QVERIFY(w.sFlag);
    QVERIFY(w.fontflag);
    QVERIFY(w.kbackflag);
    QCOMPARE(w.backgroundColor(), QColor(10, 20, 30));
    QCOMPARE(w.color_t, QColor(1, 2, 3));
    QCOMPARE(w.color_r, QColor(4, 5, 6));
    QVERIFY(w.isFullScreenFlag());
    QVERIFY(!w.menuBarShown());
    QVERIFY(w.MenuBar1->item(QStringLiteral("fullsmenu"))->isChecked());

    // Neither 0 nor 1: windowed, and the menu bar hidden all the same.
    TestStage odd;
    odd.writeText(QStringLiteral("def.txt"),
                  defText(1, 75, QStringLiteral("T"), QString(), 6, {{11, 2}, {3, 7}}));
    MainWin &o = odd.open();
    QVERIFY(!o.isFullScreenFlag());
    QVERIFY(!o.menuBarShown());
    QVERIFY(!o.sFlag);
}

void TestSettingsFile::headOnlyFileGivesWhiteWindow()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), QStringLiteral("5\n50\nタイトル\n\n\n\n4\n"));
    MainWin &w = t.open();
    QCOMPARE(w.mini, 5);
    QCOMPARE(w.max, 50);
    QCOMPARE(w.yoko, 4);
    QCOMPARE(w.sousa[2], 12);
    QCOMPARE(w.backgroundColor(), QColor(255, 255, 255));
    QVERIFY(!w.isFullScreenFlag());
    QVERIFY(w.menuBarShown());
}

void TestSettingsFile::saveThenLoadRestoresEveryField()
{
    TestStage t;
    MainWin &w = t.open();
    w.mini = 3;
    w.max = 1234;
    w.terop = QStringLiteral("〜新年会〜 ①");
    w.theme = QStringLiteral("夜空");
    w.fontname = {QStringLiteral("Noto Serif CJK JP"), QString::fromUtf16(kSameFontAsTitle)};
    w.yoko = 9;
    for (int n = 0; n < 41; ++n)
        w.sousa[n] = n * 3 - 7;
    w.sousa[20] = 0; // written as "0", read back as 70
    w.sousa[7] = 1;
    w.sFlag = true;
    w.kbackflag = true;
    w.fontflag = true;
    w.color_t = QColor(250, 1, 2);
    w.color_r = QColor(3, 200, 4);
    w.setBackgroundColor(QColor(7, 8, 9));
    w.setFullScreenFlag(true);
    const WriteResult saved = w.SaveDef();
    QVERIFY2(saved.ok, qPrintable(saved.error));

    const std::optional<QString> file = readTextFile(t.path(QStringLiteral("def.txt")));
    QVERIFY(file);
    QCOMPARE(text::splitLines(*file).size(), 48);
    QCOMPARE(text::splitLines(*file).at(18), QStringLiteral("1")); // full screen, line 19

    TestStage again;
    again.copyIn(t.path(QStringLiteral("def.txt")), QStringLiteral("def.txt"));
    MainWin &r = again.open();
    QCOMPARE(r.mini, 3);
    QCOMPARE(r.max, 1234);
    QCOMPARE(r.terop, QStringLiteral("～新年会～ ①"));
    QCOMPARE(r.theme, QStringLiteral("夜空"));
    QCOMPARE(r.fontname[1], QString::fromUtf16(kSameFontAsTitle));
    QCOMPARE(r.fontname[0], QStringLiteral("Noto Serif CJK JP"));
    QCOMPARE(r.yoko, 9);
    for (int n = 0; n < 41; ++n) {
        const int expected = n == 20 ? 70 : w.sousa[n];
        QCOMPARE(r.sousa[n], expected);
    }
    QVERIFY(r.sFlag);
    QVERIFY(r.kbackflag);
    QVERIFY(r.fontflag);
    QCOMPARE(r.color_t, QColor(250, 1, 2));
    QCOMPARE(r.color_r, QColor(3, 200, 4));
    QCOMPARE(r.backgroundColor(), QColor(7, 8, 9));
    QVERIFY(r.isFullScreenFlag());
    QVERIFY(!r.menuBarShown());
}

void TestSettingsFile::junkFileLoadsSafely_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray letters;
    for (int i = 0; i < 48; ++i)
        letters += "abc" + QByteArray::number(i) + ".5e9\n";
    QTest::newRow("letters and fractions") << letters;
    QByteArray huge = "-99999999999\n99999999999\n" + QByteArray(100000, 'X') + "\n\n\n\n0\n";
    for (int i = 0; i < 41; ++i)
        huge += "-2147483649\n";
    QTest::newRow("huge, negative and overlong") << huge;
    QTest::newRow("invalid shift_jis") << QByteArray("\x81\x7f\xff\xfe\n\x80\xa0\n\xfc\xfc\n");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 97) & 0xff);
    QTest::newRow("binary") << binary;
    QTest::newRow("mini above max") << QByteArray("90\n10\n\n\n\n\n0\n");
}

void TestSettingsFile::junkFileLoadsSafely()
{
    QFETCH(QByteArray, bytes);
    TestStage t;
    t.writeBytes(QStringLiteral("def.txt"), bytes);
    MainWin &w = t.open();
    QVERIFY(w.opened());
    // The stage runs on: resize, a few opening ticks.
    w.resize(1024, 768);
    t.advance(3000);
    QVERIFY(t.dialogs.messages.size() <= 1);
}

void TestSettingsFile::failedSaveKeepsOldFile()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 75, QStringLiteral("前の設定"), QString(), 6));
    const QByteArray before = [&] {
        QFile f(t.path(QStringLiteral("def.txt")));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    MainWin &w = t.open();
    w.terop = QStringLiteral("新しい設定");

    const WriteResult r = [&] {
        FileSizeLimit full(16);
        return full.ok() ? w.SaveDef() : WriteResult{true, {}, 0};
    }();

    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
    QFile f(t.path(QStringLiteral("def.txt")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

QTEST_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
