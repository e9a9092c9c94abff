#include "menus.h"

#include "handlers.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace app {

QMenu *addMenu(QMenuBar *bar, const char *objectName, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QAction *addMenuEntry(QMenu *menu, const char *objectName, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QMenu *addPopupMenu(QWidget *owner, const char *name, std::initializer_list<MenuItem> items,
                    std::initializer_list<QWidget *> widgets)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(QString::fromLatin1(name));
    for (const MenuItem &item : items)
        onTriggered(addMenuEntry(menu, item.name, QString::fromUtf8(item.caption)), item.handler);
    for (QWidget *widget : widgets)
        setPopupMenu(widget, menu);
    return menu;
}

} // namespace app
