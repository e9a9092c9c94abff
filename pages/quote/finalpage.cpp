#include "finalpage.h"

#include "app/dealer.h"
#include "app/handlers.h"
#include "app/look.h"
#include "app/mainmenu.h"
#include "app/navigation.h"
#include "app/textresource.h"


using namespace app;

Tendpr::Tendpr() : Page(QStringLiteral("Abschlußseite"), {784, 531})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Abschlussseite});
    rebind(goToEntry(this, GoTo::Schwimmbeckenauswahl), [this] { Panel2Click(); });

    // The guide ends with the dealer's contact lines, the same as on the welcome page.
    QString guide = textResource(QStringLiteral(":/pages/quote/guidetext.txt"));
    guide += QStringList{dealer::maker, dealer::street, dealer::town, QStringLiteral("Tel.: ") + dealer::phone}
                 .join(u'\n');
    for (const QString &email : dealer::emails)
        guide += u'\n' + email;
    guide += u'\n' + dealer::website;
    ui.dt->setPlainText(guide);
    centreLines(ui.dt);

    onClick(ui.Panel2, [this] { Panel2Click(); });
    clickableByKeyboard(ui.Panel2);
    onClick(ui.Button1, [this] { Button1Click(); });
    onClick(ui.Button3, [this] { Button3Click(); });
}

void Tendpr::FormActivate()
{
    // The buttons appear once the walk has reached this page in order.
    if (isShowing(PageId::Tbrs)) {
        ui.Button1->show();
        ui.Button3->show();
    }
}

// "Zurück zum Becken": the open pool page, and this page closes.
void Tendpr::Panel2Click()
{
    showOpenPoolPage();
    closePage(PageId::Tendpr);
}

// "&Weiter -->"
void Tendpr::Button1Click()
{
    showPage(PageId::Tartikel);
}

// "<-- &Zurück"
void Tendpr::Button3Click()
{
    showPage(PageId::Tsave);
}
