// Theme pictures on the stage: background, board backdrop, character pictures.
#include "media/themefolder.h"
#include "support/teststage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>

using namespace zelvo;
using namespace zelvo::test;

namespace {

const QColor kRed(220, 30, 30);
const QColor kBlue(30, 40, 210);
const QColor kGreen(20, 180, 60);
const QColor kYellow(230, 200, 20);
const QColor kBoardFill(10, 120, 200);

// A picture of one colour, its right half white when whiteRight (to see white turn transparent).
QByteArray picture(const QColor &colour, const char *format, QSize size = QSize(240, 130),
                   bool whiteRight = false)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (whiteRight) {
        QPainter p(&image);
        p.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), Qt::white);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

QByteArray jpeg(const QColor &colour, QSize size = QSize(200, 100))
{
    return picture(colour, "JPG", size);
}

QByteArray chara(const QColor &colour)
{
    return picture(colour, "PNG", QSize(240, 130), true);
}

// JPEG is lossy: a solid colour comes back within a few steps.
bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
           std::abs(a.blue() - b.blue()) <= 8;
}

QString describe(const QColor &c)
{
    return c.isValid() ? c.name() : QStringLiteral("none");
}

// The colour a backdrop shows at a point, invalid for no backdrop.
QColor shown(const QImage &image, QPoint at = QPoint(5, 5))
{
    return image.isNull() ? QColor() : image.pixelColor(at);
}

using Files = QMap<QString, QByteArray>;

void writeTheme(TestStage &t, const QString &theme, const Files &files)
{
    QDir().mkpath(t.path(QStringLiteral("theme/") + theme));
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        t.writeBytes(QStringLiteral("theme/") + theme + u'/' + it.key(), it.value());
}

QString defWithTheme(const QString &theme, bool kback)
{
    return defText(1, 75, QStringLiteral("T"), theme, 6,
                   {{3, 0},
                    {16, kBoardFill.red()},
                    {17, kBoardFill.green()},
                    {18, kBoardFill.blue()},
                    {19, kback ? 1 : 0}});
}

} // namespace

class TestBackground : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void appliesThemePictures_data();
    void appliesThemePictures();
    void charactersDrawWhiteTransparent();
    void missingThemeReportedOnceAndStageKept();
    void missingThemeAtOpeningGivesOneMessage();
    void emptyThemeIsPlainStage();
    void resizeRestretchesFromCachedPicture();
    void changedFileIsDecodedAgain();
    void keepsOnlyCurrentThemePictures();
    void findsThemeFolder_data();
    void findsThemeFolder();
};

void TestBackground::appliesThemePictures_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<bool>("kback");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("board");
    QTest::addColumn<QSize>("boardSize");
    QTest::addColumn<QList<QColor>>("characters");

    const QColor none;
    const QList<QColor> noCharacters{none, none, none, none};
    QTest::newRow("only back.jpg") << Files{{"back.jpg", jpeg(kRed)}} << false << kRed << none << QSize()
                                   << noCharacters;
    QTest::newRow("only back.jpg, board filled")
        << Files{{"back.jpg", jpeg(kRed)}} << true << kRed << kBoardFill << QSize(340, 550) << noCharacters;
    QTest::newRow("box.jpg outranks the board fill")
        << Files{{"box.jpg", jpeg(kBlue, QSize(300, 400))}} << true << none << kBlue << QSize(300, 400)
        << noCharacters;
    QTest::newRow("chara2.png without chara.png")
        << Files{{"chara2.png", chara(kGreen)}} << false << none << none << QSize()
        << QList<QColor>{none, none, kGreen, none};
    QTest::newRow("chara.png with chara3.png")
        << Files{{"chara.png", chara(kGreen)}, {"chara3.png", chara(kYellow)}} << false << none << none
        << QSize() << QList<QColor>{kGreen, kGreen, kGreen, kYellow};
    QTest::newRow("every character its own")
        << Files{{"chara.png", chara(kGreen)},
                 {"chara1.png", chara(kRed)},
                 {"chara2.png", chara(kBlue)},
                 {"chara3.png", chara(kYellow)}}
        << false << none << none << QSize() << QList<QColor>{kGreen, kRed, kBlue, kYellow};
    QTest::newRow("empty theme folder, board filled")
        << Files{} << true << none << kBoardFill << QSize(340, 550) << noCharacters;
    QTest::newRow("names in other case")
        << Files{{"BACK.JPG", jpeg(kRed)}, {"Chara.PNG", chara(kGreen)}} << false << kRed << none << QSize()
        << QList<QColor>{kGreen, kGreen, kGreen, kGreen};

    // Files that are there but are no pictures count as missing.
    const QByteArray junk("これは画像ではありません\n");
    QTest::newRow("corrupt back.jpg")
        << Files{{"back.jpg", junk}} << false << none << none << QSize() << noCharacters;
    QTest::newRow("corrupt box.jpg, board filled")
        << Files{{"box.jpg", junk}} << true << none << kBoardFill << QSize(340, 550) << noCharacters;
    QTest::newRow("corrupt chara.png beside chara1.png")
        << Files{{"chara.png", junk}, {"chara1.png", chara(kRed)}} << false << none << none << QSize()
        << QList<QColor>{none, kRed, none, none};
    QTest::newRow("empty chara3.png")
        << Files{{"chara.png", chara(kGreen)}, {"chara3.png", QByteArray()}} << false << none << none
        << QSize() << QList<QColor>{kGreen, kGreen, kGreen, kGreen};
    // The header claims 60000 x 60000 pixels: refused without decoding.
    QByteArray huge = jpeg(kRed, QSize(16, 16));
    const qsizetype sof = huge.indexOf("\xff\xc0");
    QVERIFY(sof > 0);
    huge[sof + 5] = char(0xea);
    huge[sof + 6] = char(0x60);
    huge[sof + 7] = char(0xea);
    huge[sof + 8] = char(0x60);
    QTest::newRow("back.jpg claiming a huge size") << Files{{"back.jpg", huge}, {"box.jpg", huge}} << true
                                                   << none << kBoardFill << QSize(340, 550) << noCharacters;
    // A camera photo beyond the decoder's memory limit at full size: decoded smaller.
    QTest::newRow("back.jpg of 34 megapixels") << Files{{"back.jpg", jpeg(kBlue, QSize(8200, 4200))}} << false
                                               << kBlue << none << QSize() << noCharacters;
    // Cut in the middle of its data: what arrived shows, the rest stays grey; never a crash.
    const QByteArray whole = jpeg(kRed, QSize(400, 300));
    QTest::newRow("truncated back.jpg") << Files{{"back.jpg", whole.left(whole.size() / 2)}} << false << kRed
                                        << none << QSize() << noCharacters;
}

void TestBackground::appliesThemePictures()
{
    QFETCH(Files, files);
    QFETCH(bool, kback);
    QFETCH(QColor, background);
    QFETCH(QColor, board);
    QFETCH(QSize, boardSize);
    QFETCH(QList<QColor>, characters);

    TestStage t;
    writeTheme(t, QStringLiteral("テスト"), files);
    t.writeText(QStringLiteral("def.txt"), defWithTheme(QStringLiteral("テスト"), kback));
    MainWin &w = t.open();
    QVERIFY(t.dialogs.messages.isEmpty());

    const QImage back = w.view->backdrop();
    QVERIFY2(background.isValid() ? near(shown(back), background) : back.isNull(),
             qPrintable(describe(shown(back))));
    QCOMPARE(w.view->paintsColor(), !background.isValid());
    if (background.isValid()) {
        // Stretched over the whole window, whatever the picture's own size.
        QCOMPARE(back.size(), w.view->size());
        QCOMPARE(back.depth(), 32);
        // What the window shows in a corner no element covers.
        const QImage screen = w.view->grab().toImage();
        QVERIFY(near(screen.pixelColor(3, 3), background));
    }

    const QImage box = w.result->backdrop();
    QVERIFY2(board.isValid() ? near(shown(box), board) : box.isNull(), qPrintable(describe(shown(box))));
    if (board.isValid())
        QCOMPARE(box.size(), boardSize);

    for (int n = 0; n < 4; ++n) {
        const QImage c = w.hitbox[n]->backdrop();
        QVERIFY2(characters[n].isValid() ? near(shown(c), characters[n]) : c.isNull(),
                 qPrintable(QStringLiteral("hitbox(%1) shows %2").arg(n).arg(describe(shown(c)))));
    }
}

void TestBackground::charactersDrawWhiteTransparent()
{
    TestStage t;
    writeTheme(t, QStringLiteral("a"), {{"chara.png", chara(kGreen)}});
    t.writeText(QStringLiteral("def.txt"), defWithTheme(QStringLiteral("a"), false));
    MainWin &w = t.open();
    w.back->setFillColor(kBlue);
    w.Noop->hide();
    w.hitbox[0]->show();
    // On the stage the white half lets the oval show through; the coloured half covers it.
    const QImage screen = w.back->grab().toImage();
    const QPoint origin = w.hitbox[0]->pos();
    QVERIFY(near(screen.pixelColor(origin + QPoint(60, 20)), kGreen));
    QVERIFY(near(screen.pixelColor(origin + QPoint(180, 20)), kBlue));
}

void TestBackground::missingThemeReportedOnceAndStageKept()
{
    TestStage t;
    writeTheme(t, QStringLiteral("a"), {{"back.jpg", jpeg(kRed)}, {"chara.png", chara(kGreen)}});
    t.writeText(QStringLiteral("def.txt"), defWithTheme(QStringLiteral("a"), false));
    MainWin &w = t.open();
    const QString missing = QStringLiteral("指定されたテーマフォルダーがありません。");
    QVERIFY(t.dialogs.messages.isEmpty());

    // The theme folder is deleted while the program runs.
    QVERIFY(QDir(t.path(QStringLiteral("theme/a"))).removeRecursively());
    w.Drawback();
    QCOMPARE(t.dialogs.messages, QStringList{missing});
    // Dragging a window edge: many resize events, no more boxes, the pictures in place stay.
    for (int i = 0; i < 5; ++i) {
        w.resize(w.width() + 20, w.height() + 10);
        QApplication::processEvents();
    }
    QCOMPARE(t.dialogs.messages.size(), 1);
    QVERIFY(near(shown(w.view->backdrop()), kRed));
    QVERIFY(near(shown(w.hitbox[2]->backdrop()), kGreen));
    QVERIFY(w.startBtn->isEnabled());

    // Another missing theme chosen: reported once more. The first one again: reported again.
    w.theme = QStringLiteral("b");
    w.Drawback();
    w.Drawback();
    w.theme = QStringLiteral("a");
    w.Drawback();
    QCOMPARE(t.dialogs.messages, (QStringList{missing, missing, missing}));

    // Back in place, then gone again: reported again.
    writeTheme(t, QStringLiteral("a"), {});
    w.Drawback();
    QVERIFY(w.view->backdrop().isNull());
    QVERIFY(QDir(t.path(QStringLiteral("theme/a"))).removeRecursively());
    w.Drawback();
    QCOMPARE(t.dialogs.messages.size(), 4);
}

void TestBackground::missingThemeAtOpeningGivesOneMessage()
{
    TestStage t;
    QDir().mkpath(t.path(QStringLiteral("theme/ある")));
    t.writeText(QStringLiteral("def.txt"), defWithTheme(QStringLiteral("ない"), true));
    MainWin &w = t.open();
    QCOMPARE(t.dialogs.messages, QStringList{QStringLiteral("指定されたテーマフォルダーがありません。")});
    // Nothing is set: the window shows its colour.
    QVERIFY(w.view->backdrop().isNull());
    QVERIFY(w.result->backdrop().isNull());
    QVERIFY(w.view->paintsColor());
}

void TestBackground::emptyThemeIsPlainStage()
{
    // A theme folder directly holding pictures is no theme: files in "theme" are ignored.
    TestStage t;
    writeTheme(t, QString(), {{"back.jpg", jpeg(kRed)}});
    t.writeText(QStringLiteral("def.txt"), defWithTheme(QString(), true));
    MainWin &w = t.open();
    QVERIFY(t.dialogs.messages.isEmpty());
    QVERIFY(w.view->backdrop().isNull());
    QVERIFY(w.view->paintsColor());
    QVERIFY(near(shown(w.result->backdrop()), kBoardFill));
}

void TestBackground::resizeRestretchesFromCachedPicture()
{
    TestStage t;
    // Left half red, right half blue: a stretch keeps the halves at half the window.
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(kRed);
    QPainter(&image).fillRect(50, 0, 50, 60, kBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    writeTheme(t, QStringLiteral("a"), {{"back.jpg", bytes}});
    t.writeText(QStringLiteral("def.txt"), defWithTheme(QStringLiteral("a"), false));
    MainWin &w = t.open();
    const int decodes = w.media.pictures.decodes();
    QCOMPARE(decodes, 1);

    for (QSize size : {QSize(1000, 760), QSize(640, 480), QSize(1280, 800)}) {
        w.resize(size);
        QApplication::processEvents();
        const QImage back = w.view->backdrop();
        QCOMPARE(back.size(), w.view->size());
        const int y = back.height() / 2;
        QVERIFY(near(back.pixelColor(back.width() / 4, y), kRed));
        QVERIFY(near(back.pixelColor(back.width() * 3 / 4, y), kBlue));
    }
    QCOMPARE(w.media.pictures.decodes(), decodes);
}

void TestBackground::changedFileIsDecodedAgain()
{
    TestStage t;
    writeTheme(t, QStringLiteral("a"), {{"box.jpg", jpeg(kRed)}});
    t.writeText(QStringLiteral("def.txt"), defWithTheme(QStringLiteral("a"), false));
    MainWin &w = t.open();
    QVERIFY(near(shown(w.result->backdrop()), kRed));

    // The theme maker saves a new picture while the stage runs.
    const QString path = t.path(QStringLiteral("theme/a/box.jpg"));
    t.writeBytes(QStringLiteral("theme/a/box.jpg"), jpeg(kGreen));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    f.close();
    w.Drawback();
    QVERIFY(near(shown(w.result->backdrop()), kGreen));
}

void TestBackground::keepsOnlyCurrentThemePictures()
{
    // Browsing through themes must not pile up every theme's decoded pictures.
    TestStage t;
    for (const QString &theme : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
        writeTheme(t, theme,
                   {{"back.jpg", jpeg(kRed)}, {"box.jpg", jpeg(kBlue)}, {"chara.png", chara(kGreen)}});
    t.writeText(QStringLiteral("def.txt"), defWithTheme(QStringLiteral("a"), false));
    MainWin &w = t.open();
    for (const QString &theme : {QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}) {
        w.theme = theme;
        w.Drawback();
        QCOMPARE(w.media.pictures.kept(), 3);
        QVERIFY(near(shown(w.result->backdrop()), kBlue));
    }
}

void TestBackground::findsThemeFolder_data()
{
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("relative");

    const int found = int(ThemeFolder::State::Found);
    const int missing = int(ThemeFolder::State::Missing);
    const QString composed = QStringLiteral("パーティー");
    const QString decomposed = composed.normalized(QString::NormalizationForm_D);
    QTest::newRow("as stored") << composed << composed << found << QStringLiteral("theme/") + composed;
    QTest::newRow("decomposed kana from a Mac")
        << decomposed << composed << found << QStringLiteral("theme/") + decomposed;
    QTest::newRow("stored through Shift_JIS")
        << QStringLiteral("夜空〜") << QStringLiteral("夜空～") << found << QStringLiteral("theme/夜空〜");
    QTest::newRow("other theme only") << QStringLiteral("夜空") << composed << missing << QString();
    QTest::newRow("file, not folder") << QString() << QStringLiteral("note.txt") << missing << QString();
    QTest::newRow("climbs out") << QStringLiteral("夜空") << QStringLiteral("../theme/夜空") << missing
                                << QString();
    QTest::newRow("the theme folder itself")
        << QStringLiteral("夜空") << QStringLiteral(".") << missing << QString();
    QTest::newRow("none chosen") << QStringLiteral("夜空") << QString() << int(ThemeFolder::State::None)
                                 << QString();
}

void TestBackground::findsThemeFolder()
{
    QFETCH(QString, onDisk);
    QFETCH(QString, theme);
    QFETCH(int, state);
    QFETCH(QString, relative);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("theme")));
    if (!onDisk.isEmpty())
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("theme/") + onDisk));
    QFile note(dir.filePath(QStringLiteral("theme/note.txt")));
    QVERIFY(note.open(QIODevice::WriteOnly));
    note.close();

    const ThemeFolder folder = ThemeFolder::find(EventFolder(dir.path()), theme);
    QCOMPARE(int(folder.state()), state);
    QCOMPARE(folder.relative(), relative);
}

QTEST_MAIN(TestBackground)
#include "tst_background.moc"
