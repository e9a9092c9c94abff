#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace app {

// One entry of a menu built from a table: object name, caption, handler.
struct MenuItem
{
    const char *name;
    const char *caption;  // UTF-8
    std::function<void()> handler;
};

// A drop-down menu of a menu bar and an entry of a menu, each named as the page names it.
QMenu *addMenu(QMenuBar *bar, const char *objectName, const QString &title);
QAction *addMenuEntry(QMenu *menu, const char *objectName, const QString &caption);

// A popup menu of `owner` with the entries of the table, opened by a right click on
// each of `widgets`.
QMenu *addPopupMenu(QWidget *owner, const char *name, std::initializer_list<MenuItem> items,
                    std::initializer_list<QWidget *> widgets);

} // namespace app
