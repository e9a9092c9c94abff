#include "navigation.h"

#include "dialogs.h"
#include "page.h"

#include <QApplication>
#include <QMenu>

#include <array>

namespace app {

namespace {
std::array<Page *, pageCount> pages{};
std::array<PageFactory, pageCount> factories{};
} // namespace

void registerPage(PageId id, PageFactory make)
{
    factories[size_t(id)] = make;
}

Page *page(PageId id)
{
    Page *&p = pages[size_t(id)];
    if (!p)
        p = factories[size_t(id)]();
    return p;
}

bool isMade(PageId id)
{
    return pages[size_t(id)] != nullptr;
}

void forgetPages()
{
    pages.fill(nullptr);
    factories.fill(nullptr);
}

Page *mainWindow()
{
    return page(PageId::Tbg);
}

void showPage(PageId id)
{
    page(id)->showInFront();
}

void closePage(PageId id)
{
    if (isMade(id))
        page(id)->close();
}

bool isShowing(PageId id)
{
    return isMade(id) && page(id)->isVisible();
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
