#include "moreaccessoriespage.h"

#include "app/handlers.h"
#include "picturezoom.h"

using namespace app;

namespace {

constexpr side::Zoom zooms[] = {
    {"ms1", {240, 128, 369, 337}, {232, 192, 105, 105}, u"Einhänge Gegenstromanlage"},
    {"ms2", {280, 192, 313, 305}, {360, 192, 105, 105}, u"Unterwasserscheinwerfer 300 W"},
    {"ms3", {352, 112, 105, 329}, {424, 312, 49, 129},
     u"Einhänge Unterwasserscheinwerfer auswechselbare Farbscheiben (Rot, Blau; Weiß; Gelb)"},
    {"ms4", {280, 192, 313, 305}, {488, 192, 105, 105}, u"Luftentfeuchter"},
    {"ms5", {352, 136, 129, 305}, {352, 312, 57, 129}, u"Thermometer"},
};

// The hang-in light, the one with the colour discs.
constexpr int hangInLight = 2;

} // namespace

Tmzs::Tmzs() : Page(QStringLiteral("Mehr Zubehör"), {790, 534})
{
    ui.setupUi(client());

    for (const side::Zoom &zoom : zooms)
        m_pictures << find(zoom.picture);

    for (int i = 0; i < m_pictures.size(); ++i) {
        onClick(m_pictures[i], [this, i] { pictureClick(i); });
        onDoubleClick(m_pictures[i], [this, i] { pictureDblClick(i); });
        clickableByKeyboard(m_pictures[i]);
    }
    onDoubleClick(ui.sbb, [this] { pictureDblClick(hangInLight); });
    onDoubleClick(ui.sbb2, [this] { pictureDblClick(hangInLight); });
    // "&Quit" closes the page.
    onClick(ui.Button1, [this] { close(); });
}

void Tmzs::pictureClick(int index)
{
    side::moveTo(m_pictures[index], zooms[index].enlarged);
    ui.inf->setText(zooms[index].title.toString());
    ui.inf->show();
    for (QWidget *other : m_pictures)
        if (other != m_pictures[index])
            other->hide();
    ui.Button1->hide();
    if (index == hangInLight)
        showDiscs(true);
}

void Tmzs::pictureDblClick(int index)
{
    side::moveTo(m_pictures[index], zooms[index].restored);
    ui.inf->hide();
    for (QWidget *other : m_pictures)
        other->show();
    ui.Button1->show();
    if (index == hangInLight)
        showDiscs(false);
}

void Tmzs::showDiscs(bool visible)
{
    for (QWidget *disc : {static_cast<QWidget *>(ui.sbb), static_cast<QWidget *>(ui.bsa),
                          static_cast<QWidget *>(ui.sbb2), static_cast<QWidget *>(ui.wsa)})
        disc->setVisible(visible);
}
