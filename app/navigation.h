#pragma once

class QObject;
class QWidget;

namespace app {

class Page;

// The pages in their fixed order; the first is the main window.
enum class PageId {
    Tbg,             // welcome page
    Trd,             // round pool page
    TLight,          // underwater lights
    Tendpr,          // final page
    TFip,            // filter systems
    Tdatenspeicher,  // never shown
    Tsave,           // options page
    Tat,             // figure-eight pool page
    Tol,             // oval pool page
    Tsolar,          // water heating
    Tartikel,        // further articles
    Tmss,            // info page "Mehr Schwimmbad"
    Tmzs,            // info page "Mehr Zubehör"
    Tmezs,           // info page "Mehr Zubehör" with tabs
    Tre,             // rectangular pool page
    Tsber,           // solar absorber sizing
    TLeitern,        // ladders
    Tabdeckung,      // pool covers
    TSkimmer,        // skimmer and inlet nozzles
    Tbrs,            // floor-cleaning sets
    Tureiniger,      // underwater cleaners
};
inline constexpr int pageCount = int(PageId::Tureiniger) + 1;

// Every page exists for the whole run, but its window is made the first time something
// needs it (shown, or looked at), so that start-up makes only the welcome page. Nothing
// but a page's own events touches its window, so no one can tell the difference.
using PageFactory = Page *(*)();
void registerPage(PageId id, PageFactory make);
Page *page(PageId id);
// Whether the page's window has been made yet.
bool isMade(PageId id);
// Forgets all pages (their windows are deleted by the caller).
void forgetPages();
Page *mainWindow();

// Visible, raised and activated; a page that is already visible comes to the front.
// The page the user came from stays open underneath.
void showPage(PageId id);
// Hides the page; it keeps its controls' contents.
void closePage(PageId id);
bool isShowing(PageId id);

// Brings the open pool page to the front (figure-eight, round, oval, rectangular);
// does nothing when no pool page is open.
void showOpenPoolPage();

// "Programm wirklich Beenden?": only Yes closes the main window and ends the program.
void confirmExit(QWidget *parent);
// The exit question alone: true when the user answers Yes.
bool userWantsToEnd(QWidget *parent);

// The page a control, a menu or a menu entry belongs to: the window a message about it
// stands over. The active page when there is none.
QWidget *pageOf(const QObject *object);

} // namespace app
