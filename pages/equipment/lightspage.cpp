#include "lightspage.h"

#include "lightstables.h"

#include "app/catalogue.h"
#include "app/daten.h"
#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"
#include "app/numbertext.h"
#include "app/runningtotal.h"

using namespace app;

namespace {

QList<QWidget *> picturesOf(const app::Page *page, std::span<const char *const> names)
{
    QList<QWidget *> pictures;
    for (const char *name : names)
        pictures << page->find(name);
    return pictures;
}

} // namespace

TLight::TLight() : Page(QStringLiteral("Unterwasserscheinwerfer"), {790, 516})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Unterwasserscheinwerfer});
    m_pictures = picturesOf(this, lights::allPictures());

    QStringList names;
    for (const lights::Light &light : lights::catalogue())
        names << light.name.toString();
    setChoices(ui.licht_auswahl, names);

    // Both lists lead to the same look-up.
    onChange(ui.licht_auswahl, [this] { licht_auswahlChange(); });
    onChange(ui.anz, [this] { licht_auswahlChange(); });
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });
    for (QLineEdit *price : {ui.Beckenpreis, ui.Licht_preis_einzel, ui.licht_preis_gesamt, ui.gpr})
        makePriceField(price);
}

void TLight::FormShow()
{
    runningtotal::showPrevious(PageId::TLight, ui.Beckenpreis);
}

// The chosen light's description, pictures and unit price, then the totals; a change of
// the quantity looks the light up again as well.
void TLight::licht_auswahlChange()
{
    runningtotal::showPrevious(PageId::TLight, ui.Beckenpreis);

    ui.Licht_info->clear();
    const lights::Light *light = lookUp(lights::catalogue(), ui.licht_auswahl->currentText());
    if (light && !light->description.empty()) {
        if (light->fill == lights::Fill::WholeText)
            ui.Licht_info->setPlainText(linesOf(light->description).join(u'\n'));
        else
            addLines(ui.Licht_info, linesOf(light->description));
        setText(ui.Licht_preis_einzel, light->price.toString());
        showPictures(m_pictures, picturesOf(this, light->pictures), light->name);
    } else {
        setText(ui.Licht_preis_einzel, QStringLiteral("0,00"));
        showPictures(m_pictures);
    }
    scrollToTop(ui.Licht_info);

    lineTotals();
}

void TLight::lineTotals()
{
    setText(ui.licht_preis_gesamt,
            generalText(toNumber(ui.Licht_preis_einzel->text()) * toNumber(ui.anz->currentText())));
    setText(ui.gpr, generalText(toNumber(ui.Beckenpreis->text()) + toNumber(ui.licht_preis_gesamt->text())));
}

// "&Weiter -->": a unit price typed into its field counts.
void TLight::Button2Click()
{
    runningtotal::showPrevious(PageId::TLight, ui.Beckenpreis);
    lineTotals();
    daten.lichtpreis = generalText(toNumber(ui.licht_preis_gesamt->text()));
    daten.lichtzeile = ui.licht_auswahl->currentText();
    runningtotal::handOn(PageId::TLight, generalText(toNumber(ui.gpr->text())));
}

// "<-- &Zurück"
void TLight::Button1Click()
{
    showPage(PageId::TSkimmer);
}
