#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace app {

class Page;

// The entries of "&Gehe zu", in menu order.
enum class GoTo {
    Begruessung,
    Schwimmbeckenauswahl,
    Schwimmbadabdeckungen,
    Leiterauswahl,
    Filterauswahl,
    Wassererwaermung,
    Skimmer,
    Unterwasserscheinwerfer,
    Bodenreinigungsset,
    Unterwasserreiniger,
    Optionen,
    Abschlussseite,
    ZezuraraBerechnung,
    WeitereArtikel,
};

// How the entries of "&Gehe zu" read on a page.
enum class GoToCaptions {
    Standard,
    FigureEight,  // no lights entry, later steps numbered one less
    Options,      // "Begrüßung", underwater cleaner as 8 before floor cleaning as 9
};

struct MainMenuOptions
{
    GoTo self;  // checked, default entry
    GoToCaptions captions = GoToCaptions::Standard;
};

// "&Gehe zu" with its entries bound to their pages; the page's own entry checked.
QMenu *addGoToMenu(QMenuBar *bar, GoTo self, GoToCaptions captions);
// The entry of "&Gehe zu" leading to `target` on this page, or nullptr.
QAction *goToEntry(Page *page, GoTo target);

// "&Beenden" in the given menu, asking before it ends the program.
QAction *addExitEntry(QMenu *menu);

// The main menu shared by the wizard pages: "&Datei" with "&Beenden" ("Beenden1"),
// "&Gehe zu" and the hidden "Schriftgröße anpassen", whose "+" (F2) and " -" (F1) stay
// reachable by their keys.
void installMainMenu(Page *page, const MainMenuOptions &options);

// Rebinds a menu entry to another handler (the page's own variant of an entry).
void rebind(QAction *action, std::function<void()> handler);

} // namespace app
