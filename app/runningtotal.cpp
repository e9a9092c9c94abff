#include "runningtotal.h"

#include "handlers.h"

#include <QLineEdit>

#include <algorithm>
#include <array>

namespace app::runningtotal {

namespace {

using S = QuoteStore;

// The chain in walking order. The floor-cleaning page also writes the grand total on
// every activation, and the underwater-cleaner page's total is the grand total itself.
constexpr std::array links = {
    Link{PageId::Tabdeckung, &S::summe1, &S::summe2, PageId::TLeitern},
    Link{PageId::TLeitern, &S::summe2, &S::summe3, PageId::TFip},
    Link{PageId::TFip, &S::summe3, &S::summe4, PageId::Tsolar},
    Link{PageId::Tsolar, &S::summe4, &S::summe5, PageId::TSkimmer},
    Link{PageId::TSkimmer, &S::summe5, &S::summe6, PageId::TLight},
    Link{PageId::TLight, &S::summe6, &S::summe7, PageId::Tbrs},
    Link{PageId::Tbrs, &S::summe7, &S::summe8, PageId::Tureiniger},
    Link{PageId::Tureiniger, &S::summe8, &S::gesamtpreis, PageId::Tsave},
};

} // namespace

const Link &of(PageId page)
{
    const auto it = std::find_if(links.begin(), links.end(), [page](const Link &l) { return l.page == page; });
    if (it == links.end())
        qFatal("page %d is no step of the running total", int(page));
    return *it;
}

void showPrevious(PageId page, QLineEdit *field)
{
    setText(field, previous(page));
}

const QString &previous(PageId page)
{
    return daten.*of(page).previous;
}

void handOn(PageId page, const QString &total)
{
    const Link &link = of(page);
    daten.*link.total = total;
    showPage(link.next);
}

} // namespace app::runningtotal
