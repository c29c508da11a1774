#include "app/app.h"
#include "app/menubar.h"
#include "platform/qtmedia.h"
#include "stage/mainwin.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    QApplication::setApplicationVersion(QStringLiteral(ZELVO_VERSION));

    zelvo::App app;

    zelvo::QtTimerSource timers;
    zelvo::SystemRandom random;
    zelvo::QtSoundBackend sound;
    zelvo::QtMovieBackend movies;
    zelvo::QtDialogs dialogs;
    zelvo::DesktopBrowser browser;

    zelvo::Platform platform;
    platform.timers = &timers;
    platform.random = &random;
    platform.sound = &sound;
    platform.movies = &movies;
    platform.dialogs = &dialogs;
    platform.browser = &browser;
    const QString exeFolder = QCoreApplication::applicationDirPath();
    platform.folder = zelvo::EventFolder(zelvo::eventFolderFromArguments(QCoreApplication::arguments(), exeFolder));
    platform.helpFolder = QDir(exeFolder).absoluteFilePath(QStringLiteral("help"));

    zelvo::MainWin mainWin(platform, app.takeMenuBar());
    mainWin.show();
    return application.exec();
}
