#include "navigation.h"

#include "dialogs.h"
#include "page.h"

#include <QApplication>
#include <QMenu>

#include <array>

namespace app {

namespace {
std::array<Page *, pageCount> pages{};
}

void registerPage(PageId id, Page *p)
{
    pages[size_t(id)] = p;
}

Page *page(PageId id)
{
    return pages[size_t(id)];
}

Page *mainWindow()
{
    return page(PageId::Tbg);
}

void showPage(PageId id)
{
    Page *p = page(id);
    p->show();
    p->raise();
    p->activateWindow();
}

void closePage(PageId id)
{
    page(id)->close();
}

bool isShowing(PageId id)
{
    return page(id)->isVisible();
}

void showOpenPoolPage()
{
    for (PageId id : {PageId::Tat, PageId::Trd, PageId::Tol, PageId::Tre})
        if (isShowing(id))
            showPage(id);
}

bool userWantsToEnd(QWidget *parent)
{
    return dialogs().confirm(pageOf(parent),
                             QStringLiteral("Programm wirklich Beenden? Nicht gespeicherte Daten gehen verloren !"));
}

void confirmExit(QWidget *parent)
{
    if (userWantsToEnd(parent))
        mainWindow()->closeConfirmed();
}

QWidget *pageOf(const QObject *object)
{
    // A drop-down menu is a window of its own; its entries belong to the page of its menu bar.
    for (const QObject *o = object; o; o = o->parent()) {
        const auto *widget = qobject_cast<const QWidget *>(o);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu *>(widget))
            return const_cast<QWidget *>(widget);
    }
    return QApplication::activeWindow();
}

} // namespace app
