#include "support/teststage.h"

#include "app/menubar.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace zelvo::test {

TestStage::TestStage()
{
    dice.setLenient(true);
    sound.root = m_dir.path();
}

TestStage::~TestStage()
{
    m_win.reset();
}

QString TestStage::path(const QString &relative) const
{
    return relative.isEmpty() ? m_dir.path() : QDir(m_dir.path()).absoluteFilePath(relative);
}

void TestStage::writeText(const QString &relative, const QString &text)
{
    QDir().mkpath(QFileInfo(path(relative)).absolutePath());
    const WriteResult r = writeTextFile(path(relative), text);
    QVERIFY2(r.ok, qPrintable(r.error));
}

void TestStage::writeBytes(const QString &relative, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path(relative)).absolutePath());
    QFile f(path(relative));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

static void copyRecursively(const QString &from, const QString &to)
{
    const QFileInfo info(from);
    if (info.isDir()) {
        QDir().mkpath(to);
        const QStringList names = QDir(from).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString &n : names)
            copyRecursively(QDir(from).filePath(n), QDir(to).filePath(n));
    } else {
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::remove(to);
        QFile::copy(from, to);
    }
}

void TestStage::copyIn(const QString &from, const QString &relative)
{
    const QString source = QFileInfo(from).isAbsolute() ? from : QStringLiteral(ZELVO_TEST_DATA "/") + from;
    copyRecursively(source, path(relative));
}

MainWin &TestStage::open(bool show)
{
    Platform p;
    p.timers = &clock;
    p.random = &dice;
    p.sound = &sound;
    p.movies = &movies;
    p.dialogs = &dialogs;
    p.browser = &browser;
    p.folder = EventFolder(m_dir.path());
    p.helpFolder = path(QStringLiteral("help"));
    m_win = std::make_unique<MainWin>(p, new MenuBar);
    if (show) {
        m_win->show();
        // Offscreen windows are exposed at once; the open event ran in show().
    }
    return *m_win;
}

QString defText(int mini, int max, const QString &terop, const QString &theme, int yoko,
                std::initializer_list<std::pair<int, int>> sousa)
{
    std::array<int, 41> values{};
    for (auto [index, value] : sousa)
        values[index] = value;
    QStringList lines{QString::number(mini), QString::number(max), terop, theme, QString(), QString(),
                      QString::number(yoko)};
    for (int v : values)
        lines << QString::number(v);
    return lines.join(u'\n') + u'\n';
}

} // namespace zelvo::test
