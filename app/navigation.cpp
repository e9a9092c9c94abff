#include "navigation.h"

#include "dialogs.h"
#include "page.h"

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

void confirmExit(QWidget *parent)
{
    if (dialogs().confirm(parent, QStringLiteral("Programm wirklich Beenden? Nicht gespeicherte Daten gehen verloren !")))
        mainWindow()->close();
}

} // namespace app
