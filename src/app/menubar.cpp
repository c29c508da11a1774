#include "app/menubar.h"

#include <QAction>
#include <QMenu>

namespace zelvo {

MenuBar::MenuBar(QWidget *parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("MenuBar1"));

    QMenu *file = addNamedMenu(QStringLiteral("FileMenu"), QStringLiteral("ファイル"));
    m_items.insert(QStringLiteral("UntitledSeparator"), file->addSeparator());
    QAction *quit = addItem(file, QStringLiteral("FileQuit"), QStringLiteral("終了"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);

    QMenu *edit = addNamedMenu(QStringLiteral("EditMenu"), QStringLiteral("編集"));
    addItem(edit, QStringLiteral("EditUndo"), QStringLiteral("取り消し"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_items.insert(QStringLiteral("UntitledMenu0"), edit->addSeparator());
    addItem(edit, QStringLiteral("EditCut"), QStringLiteral("カット"), QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(edit, QStringLiteral("EditCopy"), QStringLiteral("コピー"), QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(edit, QStringLiteral("EditPaste"), QStringLiteral("ペースト"), QKeySequence(Qt::CTRL | Qt::Key_V));
    addItem(edit, QStringLiteral("EditClear"), QStringLiteral("クリア"));

    QMenu *def = addNamedMenu(QStringLiteral("def"), QStringLiteral("設定"));
    addItem(def, QStringLiteral("defmenu"), QStringLiteral("設定画面..."))->setMenuRole(QAction::PreferencesRole);
    QAction *full = addItem(def, QStringLiteral("fullsmenu"), QStringLiteral("フルスクリーン"));
    full->setCheckable(true);
    addItem(def, QStringLiteral("intmenu"), QStringLiteral("初期化"));

    QMenu *help = addNamedMenu(QStringLiteral("helpMenu"), QStringLiteral("リンク"));
    addItem(help, QStringLiteral("howto"), QStringLiteral("使用方法..."));
    addItem(help, QStringLiteral("howmake"), QStringLiteral("テーマの作成方法..."));
    addItem(help, QStringLiteral("howmail"), QStringLiteral("お問い合せ..."));
}

QMenu *MenuBar::addNamedMenu(const QString &name, const QString &caption)
{
    QMenu *menu = addMenu(caption);
    menu->setObjectName(name);
    m_menus.insert(name, menu);
    return menu;
}

QAction *MenuBar::addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    m_items.insert(name, action);
    return action;
}

} // namespace zelvo
