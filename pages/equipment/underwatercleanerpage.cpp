#include "underwatercleanerpage.h"

#include "cleanertables.h"

#include "app/catalogue.h"
#include "app/daten.h"
#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"
#include "app/numbertext.h"
#include "app/runningtotal.h"

using namespace app;

Tureiniger::Tureiniger() : Page(QStringLiteral("Unterwasserreiniger"), {792, 516})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Unterwasserreiniger});
    setChoices(ui.urein_auswahl, cleaners::names());
    m_pictures = {ui.buggyimage, ui.infimage, ui.vivaimage, ui.urein4, ui.urein5};

    makePriceField(ui.bodenurein);
    makePriceField(ui.upr);
    onChange(ui.urein_auswahl, [this] { urein_auswahlChange(); });
    onClick(ui.Button3, [this] { Button3Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });
}

void Tureiniger::FormActivate()
{
    runningtotal::showPrevious(PageId::Tureiniger, ui.bodenurein);
}

// The chosen cleaner's description from its first line, its picture alone, its price.
void Tureiniger::urein_auswahlChange()
{
    const cleaners::Cleaner *cleaner = lookUp(cleaners::catalogue, ui.urein_auswahl->currentText());
    if (!cleaner)
        return;
    setLines(ui.urein_info, cleaners::description(*cleaner));
    if (cleaner->picture)
        showPictures(m_pictures, {find(cleaner->picture)}, cleaner->name);
    else
        showPictures(m_pictures);
    setText(ui.upr, cleaner->price.toString());
}

// "&Weiter -->": the cleaner and the grand total, which keeps the shortest number text.
void Tureiniger::Button3Click()
{
    runningtotal::showPrevious(PageId::Tureiniger, ui.bodenurein);
    daten.reinigerzeile = ui.urein_auswahl->currentText();
    runningtotal::handOn(PageId::Tureiniger,
                         generalText(toNumber(ui.upr->text()) + toNumber(ui.bodenurein->text())));
}

// "<-- &Zurück"
void Tureiniger::Button1Click()
{
    showPage(PageId::Tbrs);
}
