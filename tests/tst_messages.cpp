#include "support/teststage.h"

#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

class TestMessages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadsTable_data();
    void loadsTable();
    void keyShowsLineForOneSecond_data();
    void keyShowsLineForOneSecond();
    void secondKeyRestartsTheSecond();
    void prizeNameGivesWayToTitle();
};

void TestMessages::loadsTable_data()
{
    QTest::addColumn<QByteArray>("file"); // nothing for no file
    QTest::addColumn<QString>("mess");
    QTest::newRow("no file") << QByteArray() << QString();
    QTest::newRow("empty file is one empty line") << QByteArray("") << QStringLiteral("\n");
    QTest::newRow("lines with LF") << QByteArray("A\n\nC\n") << QStringLiteral("A\n\nC\n");
    QTest::newRow("last line without end") << QByteArray("A\nB") << QStringLiteral("A\nB\n");
    QTest::newRow("CR LF") << QByteArray("A\r\nB\r\n") << QStringLiteral("A\nB\n");
    QTest::newRow("shift_jis") << QByteArray::fromHex("8372839383535c6e") << QStringLiteral("ビンゴ\\n\n");
    QTest::newRow("utf-8 with bom") << QByteArray("\xef\xbb\xbf\xe3\x81\x82\n") << QStringLiteral("あ\n");
}

void TestMessages::loadsTable()
{
    QFETCH(QByteArray, file);
    TestStage t;
    if (!file.isNull())
        t.writeBytes(QStringLiteral("message.txt"), file);
    MainWin &w = t.open();
    QTEST(w.mess, "mess");
}

void TestMessages::keyShowsLineForOneSecond_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown"); // empty: nothing happens
    QTest::newRow("key 1") << QStringLiteral("1") << QStringLiteral("リーチの方は手を挙げて！");
    QTest::newRow("key 2 empty line") << QStringLiteral("2") << QString();
    QTest::newRow("key 3") << QStringLiteral("3") << QStringLiteral("C");
    QTest::newRow("key 4 beyond file") << QStringLiteral("4") << QString();
    QTest::newRow("key 9 beyond file") << QStringLiteral("9") << QString();
    QTest::newRow("key 0") << QStringLiteral("0") << QString();
    QTest::newRow("letter") << QStringLiteral("a") << QString();
    QTest::newRow("full-width 1") << QStringLiteral("１") << QString();
    QTest::newRow("space") << QStringLiteral(" ") << QString();
}

void TestMessages::keyShowsLineForOneSecond()
{
    QFETCH(QString, key);
    QFETCH(QString, shown);
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 75, QStringLiteral("忘年会"), QString(), 6));
    t.writeText(QStringLiteral("message.txt"), QStringLiteral("リーチの方は手を挙げて！\n\nC\n"));
    MainWin &w = t.open();
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("忘年会"));

    // Sent as a real key to the stage, which hands every key to the message step.
    w.KeyDown(key);
    const QString expected = shown.isEmpty() ? QStringLiteral("忘年会") : shown;
    QCOMPARE(w.titleboxt[0]->text(), expected);
    QCOMPARE(w.titleboxt[1]->text(), expected);
    t.advance(999);
    QCOMPARE(w.titleboxt[1]->text(), expected);
    t.advance(1);
    QCOMPARE(w.titleboxt[0]->text(), QStringLiteral("忘年会"));
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("忘年会"));
}

void TestMessages::secondKeyRestartsTheSecond()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 75, QStringLiteral("T"), QString(), 6));
    t.writeText(QStringLiteral("message.txt"), QStringLiteral("一\n二\n三\n四\n五\n六\n七\n八\n九\n十\n"));
    MainWin &w = t.open();
    QTest::keyClick(w.view, Qt::Key_1);
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("一"));
    t.advance(500);
    QTest::keyClick(w.view, Qt::Key_2);
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("二"));
    t.advance(999);
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("二"));
    t.advance(1);
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("T"));
    // No key reaches the tenth line.
    QTest::keyClick(w.view, Qt::Key_9);
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("九"));
}

void TestMessages::prizeNameGivesWayToTitle()
{
    TestStage t;
    t.writeText(QStringLiteral("def.txt"), defText(1, 75, QStringLiteral("イベント"), QString(), 6));
    t.writeText(QStringLiteral("message.txt"), QStringLiteral("おめでとう！\n"));
    MainWin &w = t.open();
    // As a decided prize leaves the title.
    w.titleboxt[0]->setText(QStringLiteral("液晶テレビ"));
    w.titleboxt[1]->setText(QStringLiteral("液晶テレビ"));
    w.KeyDown(QStringLiteral("1"));
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("おめでとう！"));
    t.advance(1000);
    QCOMPARE(w.titleboxt[1]->text(), QStringLiteral("イベント"));
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
