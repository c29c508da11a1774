// Menus, the key map and full screen.
#include "app/menubar.h"
#include "stage/mainwin.h"

#include <QAction>
#include <QDir>
#include <QUrl>

namespace zelvo {

namespace {

// The menu bar comes back when the pointer is above this line in full screen.
constexpr int kMenuBand = 60;

} // namespace

void MainWin::fullBtn_Action()
{
    setFullScreenFlag(!isFullScreenFlag());
    if (isFullScreenFlag()) {
        fullBtn->setIcon(QIcon(QPixmap::fromImage(pictures.get(QStringLiteral("snfull.gif")))));
        setMenuBarShown(false);
    } else {
        fullBtn->setIcon(QIcon(QPixmap::fromImage(pictures.get(QStringLiteral("sfull.gif")))));
        setMenuBarShown(true);
    }
}

void MainWin::fullsmenu_Action()
{
    setFullScreenFlag(!isFullScreenFlag());
    if (QAction *item = MenuBar1 ? MenuBar1->item(QStringLiteral("fullsmenu")) : nullptr)
        item->setChecked(isFullScreenFlag());
}

void MainWin::MouseMove(int, int y)
{
    if (!isFullScreenFlag())
        return;
    if (!menuBarShown() && y < kMenuBand)
        setMenuBarShown(true);
    if (menuBarShown() && y > kMenuBand)
        setMenuBarShown(false);
}

void MainWin::intmenu_Action()
{
    // A spin, a pause or a roulette left running would complete into the fresh game:
    // end them before anything is cleared.
    Stimer->setMode(TimerMode::Off);
    autoTimer->setMode(TimerMode::Off);
    SoundStop(0);
    if (FindTimer->mode() != TimerMode::Off) {
        FindTimer->setMode(TimerMode::Off);
        SoundStop(2);
        sentakuBtn->setText(QStringLiteral("景品選択"));
    }

    P.fill(0);
    cList.clear();
    Cls();
    opent->setMode(TimerMode::Multiple);
    startBtn->setText(QStringLiteral("抽選開始"));
    startBtn->setEnabled(true);
    autoBox->setChecked(false);
    kText->setText(QString());
    sentakuBtn->setEnabled(false);
    LoadKeihin();
}

void MainWin::howto_Action()
{
    pf.browser->open(QUrl::fromLocalFile(QDir(pf.helpFolder).absoluteFilePath(QStringLiteral("howto.html"))));
}

void MainWin::howmake_Action()
{
    pf.browser->open(
        QUrl::fromLocalFile(QDir(pf.helpFolder).absoluteFilePath(QStringLiteral("howmake.html"))));
}

void MainWin::howmail_Action()
{
    pf.browser->open(
        QUrl::fromLocalFile(QDir(pf.helpFolder).absoluteFilePath(QStringLiteral("contact.html"))));
}

void MainWin::setBtn_Action()
{
    DefWinShow();
}

bool MainWin::KeyDown(const QString &key)
{
    if (key == QStringLiteral(" ") && sentakuBtn->isEnabled())
        KeihinSelect();
    if (key == QStringLiteral("\r"))
        StartBtnpush();
    // Letter keys act in upper case too: Caps Lock on the operator's keyboard must not
    // silently disable them.
    const QString letter = key.size() == 1 && key.at(0).isLetter() ? key.toLower() : key;
    if (letter == QStringLiteral("z"))
        cwright->setVisible(cwright->isHidden());
    MovieKey(letter); // any key: it acts on the five movie keys only
    if (letter == QStringLiteral("s") && mvflag)
        mvp->stop();
    Dispmessage(key);
    return false;
}

} // namespace zelvo
