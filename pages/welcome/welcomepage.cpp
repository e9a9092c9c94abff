#include "welcomepage.h"

#include "app/daten.h"
#include "app/dealer.h"
#include "app/dialogs.h"
#include "app/handlers.h"
#include "app/look.h"
#include "app/mainmenu.h"
#include "app/textresource.h"


using namespace app;

Tbg::Tbg() : Page(QStringLiteral("Nixaro"), {784, 531}, Frame::None)
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Begruessung});

    ui.m->setPlainText(textResource(QStringLiteral(":/pages/welcome/helptext.txt")));
    ui.kontakt->setPlainText(QStringList{dealer::maker, dealer::street, dealer::town,
                                         QStringLiteral("Tel.: ") + dealer::phone,
                                         dealer::emails.first(), dealer::website}
                                 .join(u'\n'));
    centreLines(ui.m);
    centreLines(ui.kontakt);

    onClick(ui.Label6, [this] { Label6Click(); });
    onClick(ui.Label2, [this] { Label2Click(); });
    onClick(ui.Label7, [this] { Label7Click(); });
    onClick(ui.Label1, [this] { Label1Click(); });
    // Each shape label shows its hint while the mouse is over it, or the keyboard's focus.
    const std::pair<QLabel *, QLabel *> hints[] = {
        {ui.Label6, ui.doof}, {ui.Label2, ui.doof2}, {ui.Label7, ui.doof3}, {ui.Label1, ui.doof4}};
    for (auto [label, hint] : hints) {
        onMouseEnter(label, [hint] { hint->show(); });
        onMouseLeave(label, [hint] { hint->hide(); });
        showWhileFocused(label, [hint] { hint->show(); }, [hint] { hint->hide(); });
    }

    onClick(ui.Label3, [this] { showHelp(); });
    onClick(ui.info->viewport(), [this] { showHelp(); });
    onDoubleClick(ui.Label3, [this] { hideHelp(); });
    onDoubleClick(ui.info->viewport(), [this] { hideHelp(); });
    onDoubleClick(ui.Edit1, [this] { hideHelp(); });

    onMouseMove(ui.Label3, [this](QPoint) { Label3MouseMove(); });
    onMouseMove(ui.Image1, [this](QPoint) { Image1MouseMove(); });
    onMouseMove(ui.Image2, [this](QPoint) { Image2MouseMove(); });
    onClick(ui.Image1, [this] { openWebSite(); });
    showWhileFocused(ui.Image1, [this] { Image1MouseMove(); }, [this] { Image2MouseMove(); });
    onClick(ui.Edit1, [this] { openWebSite(); });

    onClick(ui.Label4, [] { showPage(PageId::Tartikel); });
    onClick(ui.Panel1, [] { showOpenPoolPage(); });

    // The walk can start from the keyboard: Tab visits the shapes, "INFO", the links and
    // the way back to a pool page, Enter or Space does what a click does, Escape what a
    // double click does.
    for (QWidget *w : std::initializer_list<QWidget *>{ui.Label1, ui.Label6, ui.Label7, ui.Label2, ui.Label3,
                                                       ui.Image1, ui.Label4, ui.Panel1})
        clickableByKeyboard(w);
}

void Tbg::FormShow()
{
    // Pages left open come to the front again, the furthest step last.
    for (PageId id : {PageId::Tat, PageId::Trd, PageId::Tol, PageId::Tre, PageId::TLeitern,
                      PageId::TFip, PageId::Tsolar, PageId::TSkimmer, PageId::Tbrs})
        if (isShowing(id))
            showPage(id);
    if (isShowing(PageId::Tsave))
        showPage(PageId::Tsave);
    else
        ui.Panel1->hide();
}

void Tbg::FormActivate()
{
    daten.reset();
    closePage(PageId::Trd);
}

void Tbg::chooseShape(const QString &name, PageId poolPage)
{
    setText(ui.form, name);
    for (PageId id : {PageId::Tat, PageId::Trd, PageId::Tol, PageId::Tre, PageId::TLeitern})
        closePage(id);
    showPage(poolPage);
    daten.beckenform = ui.form->text();
}

void Tbg::Label6Click()
{
    chooseShape(QStringLiteral("Ovalformbecken"), PageId::Tol);
}

void Tbg::Label2Click()
{
    chooseShape(QStringLiteral("Rechteckbecken"), PageId::Tre);
}

void Tbg::Label7Click()
{
    chooseShape(QStringLiteral("Achtformbecken"), PageId::Tat);
}

void Tbg::Label1Click()
{
    // The round shape is stored as "Rundbecken", not with its label's caption.
    chooseShape(QStringLiteral("Rundbecken"), PageId::Trd);
}

void Tbg::showHelp()
{
    ui.m->show();
}

void Tbg::hideHelp()
{
    ui.m->hide();
}

void Tbg::Image1MouseMove()
{
    ui.kontakt->show();
    ui.Edit1->setText(QStringLiteral("Hier geht´s zur Homepage"));
    setTextColour(ui.Edit1, Qt::yellow);
}

void Tbg::Image2MouseMove()
{
    ui.kontakt->hide();
    ui.Edit1->setText(QStringLiteral("Willkommen zur Nixaro"));
    setTextColour(ui.Edit1, QColor(0, 0, 128));
}

void Tbg::Label3MouseMove()
{
    ui.kontakt->hide();
}

void Tbg::openWebSite()
{
    openWebPage(this, dealer::websiteUrl);
}
