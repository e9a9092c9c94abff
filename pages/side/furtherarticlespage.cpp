#include "furtherarticlespage.h"

#include "app/catalogue.h"
#include "app/handlers.h"
#include "articletables.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

using namespace app;

namespace {

const QColor navy(0, 0, 128);
const QColor aqua(0, 255, 255);

// The glyphs of the two return buttons, drawn in the page's aqua: an arrow to the left
// and a house.
QIcon glyph(bool house)
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(aqua, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    QPainterPath path;
    if (house) {
        path.moveTo(6, 20);
        path.lineTo(20, 6);
        path.lineTo(34, 20);
        path.moveTo(10, 17);
        path.lineTo(10, 34);
        path.lineTo(30, 34);
        path.lineTo(30, 17);
        painter.drawPath(path);
        painter.fillRect(QRectF(17, 23, 6, 11), aqua);
    } else {
        path.moveTo(34, 20);
        path.lineTo(8, 20);
        path.moveTo(18, 9);
        path.lineTo(7, 20);
        path.lineTo(18, 31);
        painter.setPen(QPen(aqua, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    return QIcon(pixmap);
}

} // namespace

Tartikel::Tartikel()
    : Page(QStringLiteral("Weitere Artikel der Marvasten Reinigungs- und Pooltechnik"), {990, 611}, Frame::Dialog)
{
    ui.setupUi(client());
    setBackground(navy);

    m_delete = new QPushButton(QStringLiteral("delete"), client());
    m_delete->setObjectName(QStringLiteral("delete"));
    m_delete->setGeometry(370, 570, 80, 24);
    m_delete->hide();
    // Its name is a word of C++, so the form cannot declare it: its Tab stop is set here.
    QWidget::setTabOrder(ui.mez, m_delete);
    QWidget::setTabOrder(m_delete, ui.captiondel);

    for (const char *name : articles::pictureNames)
        m_pictures << find(name);
    for (const char *name : articles::captionLabels)
        m_captions << find<QLabel>(name);

    ui.Auswahl->setEditText(articles::prompt.toString());
    ui.SpeedButton1->setIcon(glyph(true));
    ui.SpeedButton2->setIcon(glyph(false));

    onClick(ui.themen->viewport(), [this] { themenClick(); });
    onMouseMove(ui.themen->viewport(), [this](QPoint) { themenMouseMove(); });
    chooseRowsByKeyboard(ui.themen);
    onChange(ui.Auswahl, [this] { AuswahlChange(); });
    onClick(m_delete, [this] { deleteClick(); });
    onClick(ui.captiondel, [this] { captiondelClick(); });
    onClick(ui.ms, [this] { infoPageClick(ui.ms, PageId::Tmss); });
    onClick(ui.mz, [this] { infoPageClick(ui.mz, PageId::Tmzs); });
    onClick(ui.mez, [this] { infoPageClick(ui.mez, PageId::Tmezs); });
    onClick(ui.SpeedButton1, [this] { SpeedButton1Click(); });
    onClick(ui.SpeedButton2, [this] { SpeedButton2Click(); });
}

void Tartikel::themenClick()
{
    // A click beside the rows while none is chosen picks no topic.
    const QList<QListWidgetItem *> chosen = ui.themen->selectedItems();
    if (!chosen.isEmpty())
        ui.Auswahl->setEditText(chosen.first()->text());
}

// The sub-topics of the topic the selection box holds. The box then shows the prompt
// again, so a topic is loaded once per click on it.
void Tartikel::themenMouseMove()
{
    if (const articles::Topic *topic = articles::findTopic(ui.Auswahl->currentText())) {
        click(m_delete);
        const QStringList rows = linesOf(topic->subTopics);
        setChoices(ui.Auswahl, rows);
        if (rows.size() == 1)
            ui.Auswahl->setCurrentIndex(0);
    }
    ui.Auswahl->setEditText(articles::prompt.toString());
}

// The user picked or typed a sub-topic: every keystroke empties the captions; a text
// that is no key changes nothing more.
void Tartikel::AuswahlChange()
{
    click(ui.captiondel);
    const articles::SubTopic *subTopic = articles::findSubTopic(ui.Auswahl->currentText());
    if (!subTopic)
        return;
    showPictures(m_pictures);
    const QStringList lines = articles::textLines(*subTopic);
    if (subTopic->fill == articles::SubTopic::Fill::WholeText) {
        setLines(ui.Auswahl_info, lines);
    } else {
        ui.Auswahl_info->clear();
        addLines(ui.Auswahl_info, lines);
    }
    QList<QWidget *> pictures;
    for (const char *name : subTopic->pictures)
        pictures << find(name);
    showPictures(m_pictures, pictures, subTopic->key);
    ui.Auswahl_info->resize(ui.Auswahl_info->width(), subTopic->memoHeight);
    for (const articles::Caption &caption : subTopic->captions)
        m_captions[caption.label]->setText(caption.text.toString());
}

void Tartikel::deleteClick()
{
    ui.Auswahl->clear();
    ui.Auswahl->clearEditText();
    showPictures(m_pictures);
    ui.Auswahl_info->clear();
    click(ui.captiondel);
}

void Tartikel::captiondelClick()
{
    for (QLabel *caption : m_captions)
        caption->clear();
    ui.Auswahl_info->resize(ui.Auswahl_info->width(), articles::memoHeight);
}

// The hidden boxes open the information pages; one at a time is checked.
void Tartikel::infoPageClick(QCheckBox *box, PageId infoPage)
{
    if (!box->isChecked())
        return;
    for (QCheckBox *other : {ui.ms, ui.mz, ui.mez})
        if (other != box)
            setChecked(other, false);
    showPage(infoPage);
}

// "Zurück zum Anfang": the welcome page; this page closes.
void Tartikel::SpeedButton1Click()
{
    showPage(PageId::Tbg);
    closePage(PageId::Tartikel);
}

// "Zur vorherigen Seite" leads to the options page, whichever page the user came from.
void Tartikel::SpeedButton2Click()
{
    showPage(PageId::Tsave);
    closePage(PageId::Tartikel);
}
