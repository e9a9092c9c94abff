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

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <utility>

namespace app {

namespace {

// The order in which idle time makes the pages: the pool pages the welcome page leads
// to, the walk from the covers to the final page, then the side pages. The store's
// window is never shown and is made only if something asks for it.
constexpr PageId idleOrder[] = {
    PageId::Trd, PageId::Tol, PageId::Tat, PageId::Tre,
    PageId::Tabdeckung, PageId::TLeitern, PageId::TFip, PageId::Tsolar, PageId::TSkimmer, PageId::TLight,
    PageId::Tbrs, PageId::Tureiniger, PageId::Tsave, PageId::Tendpr,
    PageId::Tsber, PageId::Tartikel, PageId::Tmss, PageId::Tmzs, PageId::Tmezs,
};
static_assert(std::size(idleOrder) == pageCount - 2, "every page but the main window and the store's");

// Waits for the main window's first frame, then runs one slice each time the event loop
// has nothing else to do (a zero timer fires only once the window system's events are
// handled), so a click that comes meanwhile waits for one slice at most.
class IdleMaker : public QObject
{
public:
    IdleMaker()
    {
        m_slices.setInterval(0);
        connect(&m_slices, &QTimer::timeout, this, [this] {
            if (idleSlice() < 0)
                m_slices.stop();
        });
        QWidget *main = mainWindow();
        if (main->isVisible() && main->windowHandle() && main->windowHandle()->isExposed())
            startAfterThisPass();
        else
            qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == mainWindow()) {
            qApp->removeEventFilter(this);
            startAfterThisPass();
        }
        return false;
    }

private:
    // The first slice comes a pass after the rest of the first frame's work, not
    // before it.
    void startAfterThisPass()
    {
        QTimer::singleShot(0, this, [this] { m_slices.start(); });
    }

    QTimer m_slices;
};

IdleMaker *idleMaker = nullptr;
// The page made by the last slice, whose first show the next slice prepares.
int madeUnprepared = -1;

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

void makePagesWhenIdle()
{
    if (!idleMaker && !allPagesMade())
        idleMaker = new IdleMaker;
}

int idleSlice()
{
    if (const int id = std::exchange(madeUnprepared, -1); id >= 0) {
        page(PageId(id))->prepare();
        return id;
    }
    for (PageId id : idleOrder)
        if (!isMade(id)) {
            page(id);
            madeUnprepared = int(id);
            return int(id);
        }
    return -1;
}

bool allPagesMade()
{
    return isMade(PageId::Tbg) && std::all_of(std::begin(idleOrder), std::end(idleOrder), isMade);
}

void destroyPages()
{
    delete idleMaker;
    idleMaker = nullptr;
    madeUnprepared = -1;
    for (int i = pageCount - 1; i >= 0; --i)
        if (isMade(PageId(i)))
            delete page(PageId(i));
    forgetPages();
}

} // namespace app
