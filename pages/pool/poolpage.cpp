#include "poolpage.h"

#include "app/daten.h"
#include "app/dialogs.h"
#include "app/handlers.h"
#include "app/menus.h"
#include "app/navigation.h"
#include "app/numbertext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

using namespace app;

namespace {

// The web site of the supplier of the concrete-free construction; each shape has its page there.
const QString constructionSupplier = QStringLiteral("https://www.poolaufbau-ohne-beton.de");

const QSize sampleSize(57, 41);
const QSize enlargedSampleSize(177, 105);
constexpr int zoomStep = 100;

} // namespace

PoolPage::PoolPage(const QString &caption, QSize clientSize, const pool::Shape &shape, GoToCaptions menuCaptions)
    : Page(caption, clientSize), shape(shape)
{
    installMainMenu(this, {GoTo::Schwimmbeckenauswahl, menuCaptions});
}

void PoolPage::wire()
{
    for (const pool::Size &size : shape.sizes)
        sizeButtons << find<QRadioButton>(size.button);
    for (const pool::Choice &liner : shape.liners)
        linerButtons << find<QRadioButton>(liner.button);
    for (const pool::Choice &height : shape.heights)
        heightButtons << find<QRadioButton>(height.button);
    for (const auto &group : {sizeButtons, linerButtons, heightButtons})
        for (QRadioButton *button : group)
            onClick(button, [this] { choiceClick(); });

    beckenrand = find<QCheckBox>("beckenrand");
    conzero = find<QCheckBox>("conzero", false);
    hand = find<QCheckBox>("hand", false);
    for (const char *name : {"steinweiss", "steinblau", "steinrot", "steingelb"})
        samples << find<QWidget>(name);

    pr = find<QLineEdit>("pr");
    du = find<QLineEdit>("du");
    hh = find<QLineEdit>("hh");
    mmm = find<QLineEdit>("mmm");
    fo = find<QLineEdit>("fo");
    flies = find<QLineEdit>("flies");
    randpr = find<QLineEdit>("randpr");
    conzeropreis = find<QLineEdit>("conzeropreis", conzero != nullptr);
    handtxt = find<QLineEdit>("handtxt", false);
    bet = find<QLineEdit>("bet", false);
    sbges = find<QLineEdit>("sbges");
    zus = find<QListWidget>("zus");
    for (const pool::SummaryLine &line : shape.summary)
        m_summaryEdits << (line.edit ? find<QLineEdit>(line.edit) : nullptr);

    Button1 = find<QPushButton>("Button1");
    Button2 = find<QPushButton>("Button2");
    Button3 = find<QPushButton>("Button3");
    handlauf_txt = find<QWidget>("handlauf_txt", false);
    handlauf_bmp = find<QWidget>("handlauf_bmp", false);
    Panel6 = find<QWidget>("Panel6", false);
    Image2 = find<QWidget>("Image2", Panel6 != nullptr);

    m_panel3Font = SteppedFont(find("Panel3"));
    m_panel4Font = SteppedFont(find("Panel4"));
    m_panel5Font = SteppedFont(find("Panel5"));
    m_pageFont = SteppedFont(client());
    m_zusFont = SteppedFont(zus);

    for (QPlainTextEdit *memo : client()->findChildren<QPlainTextEdit *>())
        centreLines(memo);

    makePriceField(sbges);
    onClick(Button1, [this] { Button1Click(); });
    onClick(Button2, [this] { Button2Click(); });
    onClick(Button3, [this] { Button3Click(); });
    onClick(beckenrand, [this] { beckenrandClick(); });
    if (conzero) {
        onClick(conzero, [this] { Button1Click(); });
        addPopupMenu(this, "conzero_hilfe",
                     {{"Hierklickenfrmehrinformationen1", "Hier klicken für mehr informationen",
                       [this] { Hierklickenfrmehrinformationen1Click(); }}},
                     {conzero});
    }

    for (QWidget *sample : samples) {
        m_sampleHome << sample->geometry();
        onClick(sample, [sample] {
            sample->resize(enlargedSampleSize);
            sample->raise();
        });
        onDoubleClick(sample, [sample] { sample->resize(sampleSize); });
        clickableByKeyboard(sample);
    }

    if (Panel6) {
        m_pictureHome = Panel6->geometry();
        onClick(Image2, [this] { Image2Click(); });
        onDoubleClick(Image2, [this] { Image2DblClick(); });
        clickableByKeyboard(Image2);
        addPopupMenu(this, "PopupMenu1",
                     {{"MehrinfoszumAufbau1", "Mehr info's zum Aufbau", [this] { MehrinfoszumAufbau1Click(); }}},
                     {Image2});
    }
}

int PoolPage::chosen(const QList<QRadioButton *> &group) const
{
    for (int i = 0; i < group.size(); ++i)
        if (group[i]->isChecked())
            return i;
    return -1;
}

const pool::Size *PoolPage::chosenSize() const
{
    const int i = chosen(sizeButtons);
    return i < 0 ? nullptr : &shape.sizes[i];
}

void PoolPage::choiceClick()
{
    Button1Click();
}

// Setting a button or box from code runs its click handler at once, so the steps that
// change a control run a nested recompute; the outcome is that of the final state.
void PoolPage::Button1Click()
{
    beforeRecompute();

    if (conzero) {
        // Only the sizes the supplier builds can have the construction.
        const pool::Size *size = chosenSize();
        if (size && size->construction[0].isEmpty()) {
            setChecked(conzero, false);
            conzero->setEnabled(false);
        } else {
            conzero->setEnabled(true);
        }
        const int height = chosen(heightButtons);
        conzeropreis->setText(conzero->isChecked() && size && height >= 0 && !size->construction[height].isEmpty()
                                  ? size->construction[height].toString()
                                  : QStringLiteral("0,00"));
    }

    // The 1 mm liner exists only with the 1,50 m wall (on the figure-eight pool it also
    // brings the combined handrail).
    if (linerButtons.last()->isChecked()) {
        if (hand)
            setChecked(hand, true);
        setChecked(heightButtons.first(), false);
        setChecked(heightButtons.last(), true);
    }

    const pool::Size *size = chosenSize();
    randpr->setText(beckenrand->isChecked() && size ? size->edgeStones.toString() : shape.noEdgeStones.toString());
    for (QWidget *sample : samples)
        sample->setVisible(beckenrand->isChecked());

    // Until a size, a liner and a height are chosen the kit texts keep what they hold.
    const int liner = chosen(linerButtons), height = chosen(heightButtons);
    if (size && liner >= 0 && height >= 0) {
        if (const pool::Kit *kit = pool::findKit(shape, size->text, shape.liners[liner].text, shape.heights[height].text)) {
            pr->setText(kit->price.toString());
            du->setText(kit->size.toString());
            hh->setText(kit->height.toString());
            mmm->setText(kit->volume.toString());
            fo->setText((kit->linerText.isEmpty() ? kit->liner : kit->linerText).toString());
            flies->setText(kit->fleece.toString());
            if (bet)
                bet->setText(kit->concrete.toString());
        }
    }

    zus->clear();
    for (std::size_t i = 0; i < shape.summary.size(); ++i) {
        const pool::SummaryLine &line = shape.summary[i];
        zus->addItem(line.prefix.toString() + (m_summaryEdits[i] ? m_summaryEdits[i]->text() : QString())
                     + line.suffix.toString());
    }

    Number total = toNumber(pr->text()) + toNumber(flies->text()) + toNumber(randpr->text());
    if (conzeropreis)
        total += toNumber(conzeropreis->text());
    setText(sbges, generalText(total));

    Button2->setEnabled(pr->text() != u"0");

    if (shape.slotsFollowEveryChange)
        writeSlots();
}

// Every slot of the pool but the construction price, which only "&Weiter -->" hands on.
void PoolPage::writeSlots()
{
    if (handtxt)
        daten.handlauf = handtxt->text();
    daten.randsteinpreis = randpr->text();
    daten.beckenhoehe = hh->text();
    daten.summe1 = sbges->text();
    daten.volumen = mmm->text();
    daten.folienstaerke = fo->text();
    daten.beckengroesse = du->text();
}

// "&Weiter -->"
void PoolPage::Button2Click()
{
    daten.aufbaupreis = conzeropreis ? conzeropreis->text() : QStringLiteral("0,00");
    writeSlots();
    showPage(PageId::Tabdeckung);
}

// "<-- &Zurück"
void PoolPage::Button3Click()
{
    showPage(PageId::Tbg);
}

void PoolPage::beckenrandClick()
{
    for (QWidget *sample : samples)
        sample->setVisible(beckenrand->isChecked());
    Button1Click();
}

// Each click shows more of the picture: it grows to the top left, its lower right corner stays.
void PoolPage::Image2Click()
{
    Panel6->setGeometry(Panel6->geometry().adjusted(-zoomStep, -zoomStep, 0, 0));
    Panel6->raise();
}

void PoolPage::Image2DblClick()
{
    Panel6->setGeometry(m_pictureHome);
}

void PoolPage::MehrinfoszumAufbau1Click()
{
    showPage(PageId::Tendpr);
}

void PoolPage::Hierklickenfrmehrinformationen1Click()
{
    openWebPage(this, QUrl(constructionSupplier + shape.supplierPath.toString()));
}

void PoolPage::showHandrailNote(bool visible)
{
    handlauf_txt->setVisible(visible);
    handlauf_bmp->setVisible(visible);
}

// The note the mouse shows over the size buttons shows while one of them has the focus.
void PoolPage::handrailNoteWhileFocused()
{
    for (QRadioButton *size : sizeButtons)
        showWhileFocused(size, [this] { showHandrailNote(true); }, [this] { showHandrailNote(false); });
}

void PoolPage::samplesHome()
{
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i]->setGeometry(m_sampleHome[i]);
}

void PoolPage::fontStep(int points)
{
    m_panel3Font.setPoints(m_panel4Font.points() + points);
    m_panel4Font.step(points);
    m_panel5Font.setPoints(m_panel4Font.points() + points);
    m_pageFont.step(points);
    m_zusFont.step(points);
}
