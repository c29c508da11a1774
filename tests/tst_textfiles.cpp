#include "platform/files.h"
#include "platform/textcodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/filesizelimit.h"

using namespace zelvo;

class TestTextFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void encodesWindowsShiftJis_data();
    void encodesWindowsShiftJis();
    void roundTripsTrickyCharacters();
    void unencodableCharacterSparesTheRest();
    void readsUtf8AndShiftJis_data();
    void readsUtf8AndShiftJis();
    void splitsEveryLineEnd_data();
    void splitsEveryLineEnd();
    void unreadableBytesSpareTheRest();
    void leadingInt_data();
    void leadingInt();
    void failedWriteKeepsOldFile();
};

void TestTextFiles::encodesWindowsShiftJis_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("fullwidth tilde") << QStringLiteral("～") << QByteArray::fromHex("8160");
    QTest::newRow("wave dash typed by input methods") << QStringLiteral("〜") << QByteArray::fromHex("8160");
    QTest::newRow("minus sign") << QStringLiteral("−") << QByteArray::fromHex("817c");
    QTest::newRow("double vertical line") << QStringLiteral("‖") << QByteArray::fromHex("8161");
    QTest::newRow("cent pound not") << QStringLiteral("¢£¬") << QByteArray::fromHex("8191819281ca");
    QTest::newRow("NEC circled one") << QStringLiteral("①") << QByteArray::fromHex("8740");
    QTest::newRow("IBM kanji taka") << QStringLiteral("髙") << QByteArray::fromHex("fbfc");
    QTest::newRow("decomposed kana from a Mac") << QStringLiteral("か\u3099") << QByteArray::fromHex("82aa");
    QTest::newRow("kana and ascii") << QStringLiteral("ビンゴ75") << QByteArray::fromHex("8372839383533735");
}

void TestTextFiles::encodesWindowsShiftJis()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const text::Encoded e = text::encode(text);
    QCOMPARE(e.bytes.toHex(), bytes.toHex());
    QCOMPARE(e.lost, 0);
}

void TestTextFiles::roundTripsTrickyCharacters()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    const QString original = QStringLiteral("〜 ～ ① 髙 −\n二行目\n");
    const WriteResult r = writeTextFile(path, original);
    QVERIFY(r.ok);
    const std::optional<QString> back = readTextFile(path);
    QVERIFY(back);
    // 〜 and − come back in the form CP932 holds them, everything else as written.
    QCOMPARE(*back, QStringLiteral("～ ～ ① 髙 －\n二行目\n"));
}

void TestTextFiles::unencodableCharacterSparesTheRest()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    const WriteResult r = writeTextFile(path, QStringLiteral("前😀後\n한\n次の行"));
    QVERIFY(r.ok);
    QCOMPARE(r.lost, 2);
    QCOMPARE(*readTextFile(path), QStringLiteral("前?後\n?\n次の行"));
}

void TestTextFiles::readsUtf8AndShiftJis_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("shift_jis") << QByteArray::fromHex("82a082a2") << QStringLiteral("あい");
    QTest::newRow("utf-8") << QByteArray("\xe3\x81\x82\xe3\x81\x84") << QStringLiteral("あい");
    QTest::newRow("utf-8 with bom") << QByteArray("\xef\xbb\xbf\xe3\x81\x82") << QStringLiteral("あ");
    QTest::newRow("ascii") << QByteArray("75\r\n") << QStringLiteral("75\r\n");
}

void TestTextFiles::readsUtf8AndShiftJis()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(text::decode(bytes), text);
}

void TestTextFiles::unreadableBytesSpareTheRest()
{
    // Bytes CP932 cannot read become substitutes; what stands around them survives.
    const QString got = text::decode(QByteArray("\x82\xa0\x81\x7f\xff\n\x82\xa2"));
    QVERIFY2(got.startsWith(QStringLiteral("あ")), qPrintable(got));
    QVERIFY2(got.endsWith(QStringLiteral("\nい")), qPrintable(got));
    QVERIFY(got.size() <= 6);
}

void TestTextFiles::splitsEveryLineEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LF") << QStringLiteral("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("CR") << QStringLiteral("a\rb") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << QStringLiteral("a\n\nc\n") << QStringList{"a", "", "c"};
    QTest::newRow("last line unterminated") << QStringLiteral("a\nb") << QStringList{"a", "b"};
    QTest::newRow("empty text") << QString() << QStringList{};
    QTest::newRow("one line end") << QStringLiteral("\n") << QStringList{""};
}

void TestTextFiles::splitsEveryLineEnd()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(text::splitLines(text), lines);
}

void TestTextFiles::leadingInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QStringLiteral("75") << 75;
    QTest::newRow("negative") << QStringLiteral("-12") << -12;
    QTest::newRow("blank before") << QStringLiteral(" 0") << 0;
    QTest::newRow("fraction truncated") << QStringLiteral("3.9") << 3;
    QTest::newRow("negative fraction toward zero") << QStringLiteral("-3.9") << -3;
    QTest::newRow("letters") << QStringLiteral("abc") << 0;
    QTest::newRow("digits then letters") << QStringLiteral("12abc") << 12;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("huge") << QStringLiteral("99999999999999999999") << std::numeric_limits<int>::max();
    QTest::newRow("huge negative") << QStringLiteral("-99999999999999999999")
                                   << std::numeric_limits<int>::min();
    QTest::newRow("fullwidth digit") << QStringLiteral("１") << 0;
}

void TestTextFiles::leadingInt()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(text::leadingInt(text), value);
}

void TestTextFiles::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("def.txt"));
    QVERIFY(writeTextFile(path, QStringLiteral("old contents\n")).ok);

    const WriteResult r = [&] {
        test::FileSizeLimit full(8);
        return full.ok() ? writeTextFile(path, QString(200, u'x')) : WriteResult{true, {}, 0};
    }();

    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
    QCOMPARE(*readTextFile(path), QStringLiteral("old contents\n"));
    // No temporary file is left behind beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("def.txt")});

    // A folder that is not there: a clear failure, nothing created.
    const WriteResult missing =
        writeTextFile(dir.filePath(QStringLiteral("no/such/def.txt")), QStringLiteral("x"));
    QVERIFY(!missing.ok);
}

QTEST_GUILESS_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
