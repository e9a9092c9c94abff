#include "mainmenu.h"

#include "handlers.h"
#include "menus.h"
#include "navigation.h"
#include "page.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace app {

namespace {

struct GoToEntry
{
    GoTo target;
    const char *objectName;
    const char *caption;
};

// Captions as they read on most pages; the variants below change a few.
constexpr GoToEntry standardEntries[] = {
    {GoTo::Begruessung, "Begrung1", "Begrüßung "},
    {GoTo::Schwimmbeckenauswahl, "Schwimmbeckenauswahl11", "Schwimmbeckenauswahl - 1"},
    {GoTo::Schwimmbadabdeckungen, "Schwimmbadabdeckungen21", "Schwimmbadabdeckungen - 2"},
    {GoTo::Leiterauswahl, "Leiterauswahl31", "Leiterauswahl - 3"},
    {GoTo::Filterauswahl, "Filterauswahl41", "Filterauswahl - 4"},
    {GoTo::Wassererwaermung, "GertezurWassererwrmung51", "Geräte zur Wassererwärmung - 5"},
    {GoTo::Skimmer, "Skimmer61", "Skimmer - 6"},
    {GoTo::Unterwasserscheinwerfer, "Unterwasserscheinwerfer71", "Unterwasserscheinwerfer - 7"},
    {GoTo::Bodenreinigungsset, "Bodenreinigungsset81", "Bodenreinigungsset - 8"},
    {GoTo::Unterwasserreiniger, "Unterwasserreiniger91", "Unterwasserreiniger - 9"},
    {GoTo::Optionen, "Optionen101", "Optionen - 10"},
    {GoTo::Abschlussseite, "Abschluseite111", "Abschlußseite - 11"},
    {GoTo::ZezuraraBerechnung, "ZezuraraBerechnung1", "Zezurara Berechnung"},
    {GoTo::WeitereArtikel, "WeitereArtikel1", "Weitere Artikel..."},
};

std::vector<GoToEntry> entriesFor(GoToCaptions captions)
{
    std::vector<GoToEntry> entries(std::begin(standardEntries), std::end(standardEntries));
    auto find = [&](GoTo t) {
        return std::find_if(entries.begin(), entries.end(), [t](const GoToEntry &e) { return e.target == t; });
    };
    switch (captions) {
    case GoToCaptions::FigureEight:
        entries.erase(find(GoTo::Unterwasserscheinwerfer));
        find(GoTo::Bodenreinigungsset)->caption = "Bodenreinigungsset - 7";
        find(GoTo::Unterwasserreiniger)->caption = "Unterwasserreiniger -8";
        find(GoTo::Optionen)->caption = "Optionen - 9";
        find(GoTo::Abschlussseite)->caption = "Abschlußseite - 10";
        break;
    case GoToCaptions::Options: {
        find(GoTo::Begruessung)->caption = "Begrüßung";
        auto cleaner = *find(GoTo::Unterwasserreiniger);
        cleaner.caption = "Unterwasserreiniger - 8";
        entries.erase(find(GoTo::Unterwasserreiniger));
        find(GoTo::Bodenreinigungsset)->caption = "Bodenreinigungsset - 9";
        entries.insert(find(GoTo::Bodenreinigungsset), cleaner);
        break;
    }
    case GoToCaptions::Standard:
        break;
    }
    return entries;
}

void goTo(GoTo target)
{
    switch (target) {
    case GoTo::Begruessung: return showPage(PageId::Tbg);
    case GoTo::Schwimmbeckenauswahl: return showOpenPoolPage();
    case GoTo::Schwimmbadabdeckungen: return showPage(PageId::Tabdeckung);
    case GoTo::Leiterauswahl: return showPage(PageId::TLeitern);
    case GoTo::Filterauswahl: return showPage(PageId::TFip);
    case GoTo::Wassererwaermung: return showPage(PageId::Tsolar);
    case GoTo::Skimmer: return showPage(PageId::TSkimmer);
    case GoTo::Unterwasserscheinwerfer: return showPage(PageId::TLight);
    case GoTo::Bodenreinigungsset: return showPage(PageId::Tbrs);
    case GoTo::Unterwasserreiniger: return showPage(PageId::Tureiniger);
    case GoTo::Optionen: return showPage(PageId::Tsave);
    case GoTo::Abschlussseite: return showPage(PageId::Tendpr);
    case GoTo::ZezuraraBerechnung: return showPage(PageId::Tsber);
    case GoTo::WeitereArtikel: return showPage(PageId::Tartikel);
    }
}

} // namespace

QMenu *addGoToMenu(QMenuBar *bar, GoTo self, GoToCaptions captions)
{
    QMenu *menu = addMenu(bar, "Gehezu1", QStringLiteral("&Gehe zu"));
    for (const GoToEntry &entry : entriesFor(captions)) {
        QAction *action = addMenuEntry(menu, entry.objectName, QString::fromUtf8(entry.caption));
        action->setProperty("goTo", int(entry.target));
        if (entry.target == self) {
            // A checked entry that stays checked when chosen again.
            action->setCheckable(true);
            action->setChecked(true);
            menu->setDefaultAction(action);
            QObject::connect(action, &QAction::triggered, action, [action] { action->setChecked(true); });
        }
        onTriggered(action, [target = entry.target] { goTo(target); });
    }
    return menu;
}

QAction *goToEntry(Page *page, GoTo target)
{
    const auto actions = page->menuBar()->findChildren<QAction *>();
    for (QAction *action : actions)
        if (action->property("goTo").isValid() && action->property("goTo").toInt() == int(target))
            return action;
    return nullptr;
}

QAction *addExitEntry(QMenu *menu)
{
    QAction *exit = addMenuEntry(menu, "Beenden1", QStringLiteral("&Beenden"));
    onTriggered(exit, [menu] { confirmExit(menu->window()); });
    return exit;
}

void installMainMenu(Page *page, const MainMenuOptions &options)
{
    QMenuBar *bar = page->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    addExitEntry(addMenu(bar, "Datei1", QStringLiteral("&Datei")));

    QMenu *goTo = addGoToMenu(bar, options.self, options.captions);
    // A window without a title is read by the words of its entry ("Filterauswahl").
    if (page->windowTitle().isEmpty()) {
        static const QRegularExpression number(QStringLiteral(" *- *\\d+$"));
        page->setAccessibleName(goTo->defaultAction()->text().remove(number));
    }

    QMenu *fonts = addMenu(bar, "Schriftgreanpassen1", QStringLiteral("Schriftgröße anpassen"));
    fonts->menuAction()->setVisible(false);
    QAction *larger = addMenuEntry(fonts, "N1", QStringLiteral("+"));
    larger->setShortcut(Qt::Key_F2);
    QAction *smaller = addMenuEntry(fonts, "N2", QStringLiteral(" -"));
    smaller->setShortcut(Qt::Key_F1);
    // Added to the page as well, so that the keys work while the menu is hidden.
    page->addAction(larger);
    page->addAction(smaller);
    onTriggered(larger, [page] { page->fontStep(+1); });
    onTriggered(smaller, [page] { page->fontStep(-1); });
}

void rebind(QAction *action, std::function<void()> handler)
{
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    onTriggered(action, std::move(handler));
}

} // namespace app
