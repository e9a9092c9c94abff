#include "pageset.h"

#include "datenspeicher.h"
#include "navigation.h"
#include "pages/equipment/coverspage.h"
#include "pages/equipment/filterpage.h"
#include "pages/equipment/floorcleaningpage.h"
#include "pages/equipment/ladderspage.h"
#include "pages/equipment/lightspage.h"
#include "pages/equipment/skimmerpage.h"
#include "pages/equipment/underwatercleanerpage.h"
#include "pages/heating/solarsizingpage.h"
#include "pages/heating/waterheatingpage.h"
#include "pages/pool/figureeightpoolpage.h"
#include "pages/pool/ovalpoolpage.h"
#include "pages/pool/rectangularpoolpage.h"
#include "pages/pool/roundpoolpage.h"
#include "pages/quote/finalpage.h"
#include "pages/quote/optionspage.h"
#include "pages/side/accessorytabspage.h"
#include "pages/side/furtherarticlespage.h"
#include "pages/side/moreaccessoriespage.h"
#include "pages/side/morepoolpage.h"
#include "pages/welcome/welcomepage.h"

namespace app {

namespace {

template<typename T>
void create(PageId id)
{
    registerPage(id, [] {
        Page *page = new T;
        page->setObjectName(QString::fromLatin1(T::staticMetaObject.className()));
        return page;
    });
}

} // namespace

void createPages()
{
    create<Tbg>(PageId::Tbg);
    create<Trd>(PageId::Trd);
    create<TLight>(PageId::TLight);
    create<Tendpr>(PageId::Tendpr);
    create<TFip>(PageId::TFip);
    create<Tdatenspeicher>(PageId::Tdatenspeicher);
    create<Tsave>(PageId::Tsave);
    create<Tat>(PageId::Tat);
    create<Tol>(PageId::Tol);
    create<Tsolar>(PageId::Tsolar);
    create<Tartikel>(PageId::Tartikel);
    create<Tmss>(PageId::Tmss);
    create<Tmzs>(PageId::Tmzs);
    create<Tmezs>(PageId::Tmezs);
    create<Tre>(PageId::Tre);
    create<Tsber>(PageId::Tsber);
    create<TLeitern>(PageId::TLeitern);
    create<Tabdeckung>(PageId::Tabdeckung);
    create<TSkimmer>(PageId::TSkimmer);
    create<Tbrs>(PageId::Tbrs);
    create<Tureiniger>(PageId::Tureiniger);
    // The main window is made at once; the others when they are first needed.
    page(PageId::Tbg);
}

void destroyPages()
{
    for (int i = pageCount - 1; i >= 0; --i)
        if (isMade(PageId(i)))
            delete page(PageId(i));
    forgetPages();
}

} // namespace app
