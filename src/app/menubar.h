#pragma once

#include <QHash>
#include <QMenuBar>

class QAction;
class QMenu;

namespace zelvo {

// MenuBar1: the four menus of the stage; items are found by their names.
class MenuBar : public QMenuBar
{
    Q_OBJECT
public:
    explicit MenuBar(QWidget *parent = nullptr);

    QAction *item(const QString &name) const { return m_items.value(name); }
    QMenu *menu(const QString &name) const { return m_menus.value(name); }

private:
    QMenu *addNamedMenu(const QString &name, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {});

    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
};

} // namespace zelvo
