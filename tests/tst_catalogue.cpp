#include "platform/textcodec.h"
#include "prizes/catalog.h"
#include "prizes/photos.h"
#include "support/teststage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

namespace {

QByteArray pictureBytes(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// A photo whose top-left 280 × 200 corner is red and the rest blue, so a cut shows.
QImage cornerPhoto(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < std::min(size.height(), 200); ++y)
        for (int x = 0; x < std::min(size.width(), 280); ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

void writePhoto(TestStage &t, const QString &name, const QSize &size, const QColor &color = Qt::green)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    t.writeBytes(QStringLiteral("item/") + name, pictureBytes(image, "PNG"));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// As after the first number: the opening animation is off and the prize buttons are on.
void afterANumber(MainWin &w)
{
    w.opent->setMode(TimerMode::Off);
    w.btnset(true);
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowsFromFileNames_data();
    void rowsFromFileNames();
    void listingOrderAndSkippedEntries();
    void reloadFollowsTheFolder();
    void cnvmojiRoundTrip_data();
    void cnvmojiRoundTrip();
    void unwritableScratchKeepsNamesAsListed();
    void photoFoundUnderListedName_data();
    void photoFoundUnderListedName();
    void photoKeepsTopLeftCorner_data();
    void photoKeepsTopLeftCorner();
    void photosArriveWithoutBeingAsked();
};

void TestCatalogue::rowsFromFileNames_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("value");

    QTest::newRow("rank, name and count") << "1-液晶テレビ_2.jpg"
                                          << "1-液晶テレビ_2.jpg"
                                          << "1-液晶テレビ"
                                          << "2"
                                          << "液晶テレビ" << 2;
    QTest::newRow("no rank") << "液晶テレビ_2.jpg"
                             << "液晶テレビ_2.jpg"
                             << "液晶テレビ"
                             << "2"
                             << "液晶テレビ" << 2;
    QTest::newRow("dash inside the name shows the whole label") << "1-液晶-テレビ_2.jpg"
                                                                << "1-液晶-テレビ_2.jpg"
                                                                << "1-液晶-テレビ"
                                                                << "2"
                                                                << "1-液晶-テレビ" << 2;
    QTest::newRow("no count") << "1-液晶テレビ.jpg"
                              << "1-液晶テレビ.jpg"
                              << "1-液晶テレビ.jpg"
                              << ""
                              << "液晶テレビ.jpg" << 0;
    QTest::newRow("dot inside the name hides the count") << "1-A.B_3.jpg"
                                                         << "1-A.B_3.jpg"
                                                         << "1-A.B"
                                                         << ""
                                                         << "A.B" << 0;
    QTest::newRow("underscore inside the name") << "1-A_B_3.jpg"
                                                << "1-A_B_3.jpg"
                                                << "1-A"
                                                << "B"
                                                << "A" << 0;
    QTest::newRow("no extension") << "2-B_5"
                                  << "2-B_5"
                                  << "2-B"
                                  << "5"
                                  << "B" << 5;
    QTest::newRow("count followed by words") << "3-C_2個.jpg"
                                             << "3-C_2個.jpg"
                                             << "3-C"
                                             << "2個"
                                             << "C" << 2;
    QTest::newRow("decomposed kana composed")
        << QStringLiteral("1-ケ\u3099ーム機_1.jpg") << "1-ゲーム機_1.jpg"
        << "1-ゲーム機"
        << "1"
        << "ゲーム機" << 1;
    QTest::newRow("half-width kana stay Shift_JIS") << "4-ﾃｩ_1.jpg"
                                                    << "4-ﾃｩ_1.jpg"
                                                    << "4-ﾃｩ"
                                                    << "1"
                                                    << "ﾃｩ" << 1;
    QTest::newRow("outside Shift_JIS becomes ?") << "5-🎂_3.jpg"
                                                 << "5-?_3.jpg"
                                                 << "5-?"
                                                 << "3"
                                                 << "?" << 3;
}

void TestCatalogue::rowsFromFileNames()
{
    QFETCH(QString, listed);
    QFETCH(QString, fileName);
    QFETCH(QString, label);
    QFETCH(QString, count);
    QFETCH(QString, display);
    QFETCH(int, value);

    TestStage t;
    t.writeBytes(QStringLiteral("item/") + listed, QByteArray("not a picture"));
    MainWin &w = t.open();
    QCOMPARE(w.kList.size(), 1);
    const PrizeRow &row = w.kList.at(0);
    QCOMPARE(row.fileName, fileName);
    QCOMPARE(row.label, label);
    QCOMPARE(row.countText, count);
    QCOMPARE(row.pictureIndex, 0);
    QCOMPARE(row.listedName, listed);
    QCOMPARE(displayName(row), display);
    QCOMPARE(countValue(row), value);
    QCOMPARE(w.kMax, 1);
    QCOMPARE(w.kp.size(), 1);
    // An entry that is no picture is still a prize, without a photo.
    QVERIFY(w.photoShelf->photo(0).isNull());
}

void TestCatalogue::listingOrderAndSkippedEntries()
{
    TestStage t;
    for (const char *name : {"2-Y_1.jpg", "10-X_1.jpg", ".hidden_4.jpg", "A_1.jpg"})
        t.writeBytes(QStringLiteral("item/") + QString::fromUtf8(name), QByteArray());
    QDir().mkpath(t.path(QStringLiteral("item/3-Z_2")));
    MainWin &w = t.open();

    QStringList labels;
    QList<int> indices;
    for (const PrizeRow &row : w.kList) {
        labels << row.label;
        indices << row.pictureIndex;
    }
    // Names compare as text, so 10- comes before 2-; a folder counts, a dot file does not.
    QCOMPARE(labels, (QStringList{"10-X", "2-Y", "3-Z", "A"}));
    QCOMPARE(indices, (QList<int>{0, 1, 2, 3}));
    QCOMPARE(w.kMax, 4);
    QCOMPARE(w.kp.size(), 4);
    QCOMPARE(fileBytes(t.path(QStringLiteral("dum.txt"))), QByteArray("A_1.jpg"));
}

void TestCatalogue::reloadFollowsTheFolder()
{
    TestStage t;
    writePhoto(t, QStringLiteral("1-A_2.png"), QSize(10, 10));
    writePhoto(t, QStringLiteral("2-B_1.png"), QSize(10, 10));
    MainWin &w = t.open();
    QCOMPARE(w.kList.size(), 2);

    afterANumber(w);
    QFile::remove(t.path(QStringLiteral("item/1-A_2.png")));
    w.LoadKeihin();
    QCOMPARE(w.kList.size(), 1);
    QCOMPARE(w.kList.at(0).label, QStringLiteral("2-B"));
    QCOMPARE(w.kList.at(0).pictureIndex, 0);
    QCOMPARE(w.kMax, 1);
    QCOMPARE(w.kp.size(), 1);
    QVERIFY(!w.sentakuBtn->isEnabled());

    QFile::remove(t.path(QStringLiteral("item/2-B_1.png")));
    w.LoadKeihin();
    QVERIFY(w.kList.isEmpty());
    QCOMPARE(w.kMax, 0);
    QVERIFY(w.kp.isEmpty());

    QDir(t.path(QStringLiteral("item"))).removeRecursively();
    w.LoadKeihin();
    QVERIFY(w.kList.isEmpty());
    QCOMPARE(w.kMax, 0);
    QVERIFY(w.kp.isEmpty());
}

void TestCatalogue::cnvmojiRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("converted");

    QTest::newRow("ascii unchanged") << "1-TV_2.jpg"
                                     << "1-TV_2.jpg";
    QTest::newRow("voiced mark composed") << QStringLiteral("か\u3099") << "が";
    QTest::newRow("semi-voiced mark composed") << QStringLiteral("ハ\u309Aソコン") << "パソコン";
    QTest::newRow("half-width kana not read as UTF-8") << "ﾃｩ"
                                                       << "ﾃｩ";
    // NFC would turn it into 神 (U+795E), another character of Shift_JIS.
    QTest::newRow("compatibility ideograph kept") << QStringLiteral("\uFA19社") << QStringLiteral("\uFA19社");
    QTest::newRow("wave dash as Shift_JIS holds it") << "1-〜_1"
                                                     << "1-～_1";
    QTest::newRow("outside Shift_JIS becomes ?") << "a😀b"
                                                 << "a?b";
    QTest::newRow("empty name") << ""
                                << "";
}

void TestCatalogue::cnvmojiRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, converted);

    TestStage t;
    MainWin &w = t.open();
    QCOMPARE(w.Cnvmoji(name), converted);
    // Left in place holding the last name, in Shift_JIS, without a line end.
    QCOMPARE(fileBytes(t.path(QStringLiteral("dum.txt"))), text::encode(converted).bytes);
    const QStringList leftovers =
        QDir(t.path()).entryList({QStringLiteral("dum.txt*")}, QDir::Files | QDir::Hidden);
    QCOMPARE(leftovers, QStringList{QStringLiteral("dum.txt")});
}

void TestCatalogue::unwritableScratchKeepsNamesAsListed()
{
    TestStage t;
    const QString listed = QStringLiteral("1-ケ\u3099ーム_2.png");
    writePhoto(t, listed, QSize(30, 20));
    QDir().mkpath(t.path(QStringLiteral("dum.txt"))); // nothing can be written there
    MainWin &w = t.open();

    QCOMPARE(w.Cnvmoji(QStringLiteral("か\u3099")), QStringLiteral("か\u3099"));
    QCOMPARE(w.kList.size(), 1);
    QCOMPARE(w.kList.at(0).fileName, listed);
    QCOMPARE(w.kList.at(0).countText, QStringLiteral("2"));
    QCOMPARE(w.photoShelf->photo(0).size(), QSize(30, 20));
}

void TestCatalogue::photoFoundUnderListedName_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("name");

    QTest::newRow("decomposed kana") << QStringLiteral("1-ケ\u3099ーム機_2.png") << "ゲーム機";
    QTest::newRow("outside Shift_JIS") << "1-🎂ケーキ_2.png"
                                       << "?ケーキ";
    QTest::newRow("wave dash") << "1-〜の旅_2.png"
                               << "～の旅";
}

void TestCatalogue::photoFoundUnderListedName()
{
    QFETCH(QString, listed);
    QFETCH(QString, name);

    TestStage t;
    writePhoto(t, listed, QSize(120, 90), QColor(200, 100, 0));
    MainWin &w = t.open();
    afterANumber(w);
    QVERIFY(w.kList.at(0).fileName != listed);

    w.KeihinSelect();
    t.advance(2900);
    QVERIFY(w.FindTimer->mode() == TimerMode::Off);
    QCOMPARE(w.kPhoto->backdrop().size(), QSize(120, 90));
    QCOMPARE(w.kPhoto->backdrop().pixelColor(60, 45), QColor(200, 100, 0));
    QCOMPARE(w.kText->text(), name + QStringLiteral("\r残り 1"));
    QCOMPARE(w.titleboxt[1]->text(), name);

    // The introduction reads the folder itself, by the same name.
    w.shokaiBtn_Action();
    t.advance(100);
    QCOMPARE(w.kPhoto->backdrop().size(), QSize(120, 90));
    QCOMPARE(w.kText->text(), name + QStringLiteral("\r1"));
}

void TestCatalogue::photoKeepsTopLeftCorner_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("shown");

    QTest::newRow("large jpeg cut to the corner")
        << pictureBytes(cornerPhoto({1600, 1200}), "JPEG") << QSize(280, 200);
    QTest::newRow("large png cut to the corner")
        << pictureBytes(cornerPhoto({900, 700}), "PNG") << QSize(280, 200);
    QTest::newRow("exact size") << pictureBytes(cornerPhoto({280, 200}), "JPEG") << QSize(280, 200);
    QTest::newRow("small photo not padded") << pictureBytes(cornerPhoto({100, 60}), "JPEG") << QSize(100, 60);
    QTest::newRow("wide and low") << pictureBytes(cornerPhoto({700, 120}), "PNG") << QSize(280, 120);
    QTest::newRow("bmp cut to the corner") << pictureBytes(cornerPhoto({500, 400}), "BMP") << QSize(280, 200);
    QTest::newRow("not a picture") << QByteArray("1-A_2.jpg") << QSize();
    QTest::newRow("truncated jpeg header")
        << pictureBytes(cornerPhoto({400, 300}), "JPEG").left(40) << QSize();
    QTest::newRow("empty file") << QByteArray() << QSize();
}

void TestCatalogue::photoKeepsTopLeftCorner()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, shown);

    TestStage t;
    t.writeBytes(QStringLiteral("item/1-A_2.jpg"), bytes);
    const QImage photo = loadPrizePhoto(t.path(QStringLiteral("item/1-A_2.jpg")));
    QCOMPARE(photo.size(), shown.isValid() ? shown : QSize(0, 0));
    if (photo.isNull())
        return;
    // All of it from the red corner (JPEG blurs colours a little, most at the cut).
    for (const QPoint p : {QPoint(0, 0), QPoint(photo.width() - 6, photo.height() - 6)}) {
        const QColor c = photo.pixelColor(p);
        QVERIFY2(c.red() > 200 && c.blue() < 60, qPrintable(c.name()));
    }
}

void TestCatalogue::photosArriveWithoutBeingAsked()
{
    TestStage t;
    writePhoto(t, QStringLiteral("1-A_1.png"), QSize(400, 300));
    writePhoto(t, QStringLiteral("2-B_1.png"), QSize(50, 40));
    t.writeBytes(QStringLiteral("item/3-C_1.png"), QByteArray("no picture"));
    MainWin &w = t.open();
    QTRY_COMPARE(w.photoShelf->pending(), 0);
    QCOMPARE(w.kp.size(), 3);
    QCOMPARE(w.kp.at(0).size(), QSize(280, 200));
    QCOMPARE(w.kp.at(1).size(), QSize(50, 40));
    QVERIFY(w.kp.at(2).isNull());

    // A reload abandons what was under way: nothing of the old folder lands in the new list.
    for (const char *name : {"1-A_1.png", "2-B_1.png", "3-C_1.png"})
        QFile::remove(t.path(QStringLiteral("item/") + QString::fromUtf8(name)));
    for (int i = 0; i < 20; ++i)
        writePhoto(t, QStringLiteral("%1-P_1.png").arg(i + 10), QSize(20 + i, 10));
    w.LoadKeihin();
    QCOMPARE(w.photoShelf->photo(19).size(), QSize(39, 10));
    w.LoadKeihin();
    QTRY_COMPARE(w.photoShelf->pending(), 0);
    QCOMPARE(w.kp.size(), 20);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(w.kp.at(i).size(), QSize(20 + i, 10));
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
