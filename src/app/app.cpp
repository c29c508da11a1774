#include "app/app.h"

#include "app/menubar.h"

#include <QDir>

namespace zelvo {

bool isOfFileType(const QString &fileName, const QString &typeName)
{
    for (const FileType &type : kFileTypes) {
        if (QString::fromUtf16(type.name) != typeName)
            continue;
        const QStringList exts = QString::fromUtf16(type.extensions).split(u';', Qt::SkipEmptyParts);
        for (const QString &ext : exts) {
            if (fileName.endsWith(ext, Qt::CaseInsensitive))
                return true;
        }
    }
    return false;
}

App::App() : MenuBar1(new MenuBar) {}

App::~App()
{
    delete MenuBar1;
}

MenuBar *App::takeMenuBar()
{
    MenuBar *bar = MenuBar1;
    MenuBar1 = nullptr;
    return bar;
}

QString eventFolderFromArguments(const QStringList &arguments, const QString &executableFolder)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QStringLiteral("--folder") && i + 1 < arguments.size())
            return QDir(arguments.at(i + 1)).absolutePath();
        if (arg.startsWith(QStringLiteral("--folder=")))
            return QDir(arg.mid(9)).absolutePath();
    }
    return executableFolder;
}

} // namespace zelvo
