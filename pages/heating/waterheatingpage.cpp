#include "waterheatingpage.h"

#include "heatingtables.h"

#include "app/catalogue.h"
#include "app/codepage.h"
#include "app/daten.h"
#include "app/handlers.h"
#include "app/keyboardmoves.h"
#include "app/mainmenu.h"
#include "app/navigation.h"
#include "app/numbertext.h"
#include "app/picturebox.h"
#include "app/runningtotal.h"
#include "app/textresource.h"

#include <QAction>
#include <QIcon>
#include <QTimer>

using namespace app;
using namespace heating;

namespace {

// The controller's two pictures take turns at this pace.
constexpr int pictureTurn = 6000;  // ms

// The pictures as the form places them, and the step by which a click enlarges them.
constexpr int zoomStep = 100;
const QSize showerPicture(97, 145);
const QSize showerEnlarged(150, 300);
const QSize absorberPanel(223, 151);
constexpr int absorberPanelLeft = 512;
const QSize controllerPanel(95, 87);
const QSize heatPumpPanel(183, 119);
constexpr int heatPumpPanelTop = 344;

QTimer *pictureTimer(QObject *page, const char *name)
{
    auto *timer = new QTimer(page);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(pictureTurn);
    return timer;
}

} // namespace

Tsolar::Tsolar()
    : Page(QStringLiteral("Geräte zur Wassererwärmung"), {786, 531}),
      Timer1(pictureTimer(this, "Timer1")),
      Timer2(pictureTimer(this, "Timer2"))
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Wassererwaermung});
    followKeysWithBackgroundMove(this);

    QStringList sizes;
    for (const Absorber &absorber : absorbers)
        sizes << absorber.name.toString();
    setChoices(ui.solar_auswahl, sizes);
    ui.solar_auswahl->setEditText(absorberPrompt.toString());
    setLines(ui.TDS, textResourceLines(QStringLiteral(":/pages/heating/controller.txt")));
    setLines(ui.solar, textResourceLines(QStringLiteral(":/pages/heating/shower.txt")));
    setLines(ui.wpinfo, textResourceLines(QStringLiteral(":/pages/heating/heatpump.txt")));
    ui.SpeedButton1->setIcon(QIcon(QPixmap::fromImage(picture(QStringLiteral(":/assets/heating/sizing.jpg")))));

    onChange(ui.solar_auswahl, [this] { solar_auswahlChange(); });
    onChange(ui.anzdd, [this] { anzddChange(); });
    onClick(ui.tds3, [this] { tds3Click(); });
    onClick(ui.solard, [this] { solardClick(); });
    onClick(ui.wp, [this] { wpClick(); });
    onClick(ui.Button3, [this] { Button3Click(); });
    onClick(ui.ja, [this] { Button3Click(); });
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.SpeedButton1, [this] { SpeedButton1Click(); });
    // "Geräte zur Wassererwärmung - 5" is this page itself: here it only brings the
    // shower description back; the entry stays checked.
    QAction *self = goToEntry(this, GoTo::Wassererwaermung);
    rebind(self, [this, self] {
        self->setChecked(true);
        GertezurWassererwrmung51Click();
    });

    makePriceField(ui.bsp);
    onChange(ui.psabsorb, [this] { psabsorbChange(); });
    makePriceField(ui.gpabsorb);
    makePriceField(ui.ptds);
    makePriceField(ui.gpr);

    onTimer(Timer1, [this] { Timer1Timer(); });
    onTimer(Timer2, [this] { Timer2Timer(); });

    onClick(ui.Image1, [this] { Image1Click(); });
    onDoubleClick(ui.Image1, [this] { Image1DblClick(); });
    onClick(ui.Image2, [this] { Image2Click(); });
    onDoubleClick(ui.Image2, [this] { Image2DblClick(); });
    onClick(ui.Image3, [this] { controllerPictureClick(ui.Image3); });
    onDoubleClick(ui.Image3, [this] { Image3DblClick(); });
    onClick(ui.Image4, [this] { controllerPictureClick(ui.Image4); });
    onDoubleClick(ui.Image4, [this] { Image3DblClick(); });
    onClick(ui.Image5, [this] { Image5Click(); });
    onDoubleClick(ui.Image5, [this] { Image5DblClick(); });
    for (QWidget *picture : {ui.Image1, ui.Image2, ui.Image3, ui.Image4, ui.Image5})
        clickableByKeyboard(picture);
}

// The total of the filter page, read each time the page opens; raising the open page
// keeps what it shows until "&Weiter -->".
void Tsolar::FormShow()
{
    const QString &total = runningtotal::previous(PageId::Tsolar);
    setText(ui.bsp, total.isEmpty() ? QStringLiteral("0") : total);
}

void Tsolar::FormMouseMove(QPoint)
{
    recompute();
}

void Tsolar::solar_auswahlChange()
{
    const Absorber *absorber = findAbsorber(pickedRow(ui.solar_auswahl));
    if (!absorber)
        return;
    // By way of "0,00", so that the price's handler runs when the same size is chosen again.
    setText(ui.psabsorb, noPrice.toString());
    setText(ui.psabsorb, absorber->price.toString());
    if (absorber->totalAtOnce)
        absorbersTotal();
}

void Tsolar::anzddChange()
{
    setText(ui.anz, generalText(toNumber(chosenRow(ui.anzdd))));
    absorbersTotal();
}

void Tsolar::tds3Click()
{
    if (ui.tds3->isChecked()) {
        ui.Panel6->show();
        Timer1->start();
        setText(ui.ptds, controllerPrice.toString());
        ui.TDS->show();
    } else {
        ui.Panel6->hide();
        ui.TDS->hide();
        Timer1->stop();
        setText(ui.ptds, noPrice.toString());
    }
    recompute();
}

void Tsolar::solardClick()
{
    ui.psolar->setText((ui.solard->isChecked() ? showerPrice : noPrice).toString());
    recompute();
}

void Tsolar::wpClick()
{
    if (ui.wp->isChecked()) {
        ui.wpinfo->show();
        ui.Panel9->show();
        // A pool larger than the list's pumps keeps the price the field holds.
        if (const auto price = heatPumpPrice(daten.volumen))
            ui.wpp->setText(price->toString());
    } else {
        ui.wpp->setText(noPrice.toString());
        ui.wpinfo->hide();
        ui.Panel9->hide();
    }
    recompute();
}

// "&Weiter -->": the filter page's total afresh, the sums, then the store.
void Tsolar::Button3Click()
{
    runningtotal::showPrevious(PageId::Tsolar, ui.bsp);
    recompute();
    ui.Button3->setEnabled(true);
    daten.waermepumpenpreis = ui.wpp->text();
    daten.heizungspreis = ui.gpr->text();
    runningtotal::handOn(PageId::Tsolar, ui.added->text());
    setChecked(ui.nein, false);
}

// "<-- &Zurück"
void Tsolar::Button2Click()
{
    showPage(PageId::TFip);
}

void Tsolar::SpeedButton1Click()
{
    showPage(PageId::Tsber);
}

void Tsolar::GertezurWassererwrmung51Click()
{
    ui.solar->show();
}

// The controller is offered with every absorber that has a price: the text is compared
// before the field normalises it. Hiding the box leaves a chosen controller chosen.
void Tsolar::psabsorbChange()
{
    ui.tds3->setVisible(sortsAfter(ui.psabsorb->text(), noPrice.toString()));
    setText(ui.psabsorb, fixed2Text(toNumber(ui.psabsorb->text())));
}

void Tsolar::Timer1Timer()
{
    ui.Image4->hide();
    ui.Image3->show();
    Timer2->start();
    Timer1->stop();
}

void Tsolar::Timer2Timer()
{
    ui.Image3->hide();
    ui.Image4->show();
    Timer1->start();
    Timer2->stop();
}

void Tsolar::absorbersTotal()
{
    setText(ui.gpabsorb, generalText(toNumber(ui.psabsorb->text()) * toNumber(ui.anz->text())));
}

void Tsolar::recompute()
{
    absorbersTotal();
    setText(ui.gpr, generalText(toNumber(ui.gpabsorb->text()) + toNumber(ui.psolar->text())
                                + toNumber(ui.ptds->text()) + toNumber(ui.wpp->text())));
    ui.added->setText(generalText(toNumber(ui.gpr->text()) + toNumber(ui.bsp->text())));
}

// The pictures grow by a step per click and go back to their place on double click.
void Tsolar::Image1Click()
{
    ui.Image1->resize(showerEnlarged);
    ui.Image1->raise();
}

void Tsolar::Image1DblClick()
{
    ui.Image1->resize(showerPicture);
}

void Tsolar::Image2Click()
{
    ui.Panel8->setGeometry(ui.Panel8->x() - zoomStep, ui.Panel8->y(), ui.Image2->width() + zoomStep,
                           ui.Image2->height() + zoomStep);
    ui.Panel8->raise();
}

void Tsolar::Image2DblClick()
{
    ui.Panel8->setGeometry(QRect(QPoint(absorberPanelLeft, ui.Panel8->y()), absorberPanel));
}

void Tsolar::controllerPictureClick(QWidget *picture)
{
    ui.Panel6->resize(picture->size() + QSize(zoomStep, zoomStep));
    ui.Panel6->raise();
}

void Tsolar::Image3DblClick()
{
    ui.Panel6->resize(controllerPanel);
}

void Tsolar::Image5Click()
{
    ui.Panel9->setGeometry(ui.Panel9->x(), ui.Panel9->y() - zoomStep, ui.Image5->width() + zoomStep,
                           ui.Image5->height() + zoomStep);
    ui.Panel9->raise();
}

void Tsolar::Image5DblClick()
{
    ui.Panel9->setGeometry(QRect(QPoint(ui.Panel9->x(), heatPumpPanelTop), heatPumpPanel));
}
