#include "morepoolpage.h"

#include "app/handlers.h"
#include "app/look.h"
#include "picturezoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

using namespace app;
using side::keep;

namespace {

constexpr side::Zoom zooms[] = {
    {"as1", {216, keep, 383, 353}, {56, keep, 137, 121}},
    {"as2", {192, keep, 449, 129}, {248, keep, 169, 57}},
    {"as3", {144, keep, 569, 201}, {464, keep, 257, 81}},
    {"as4", {128, 192, 441, 257}, {128, 336, 265, 113}},
    {"as5", {136, 168, 601, 185}, {464, 336, 289, 113}},
};

// Room the window manager's title bar and borders take around the page.
const QSize frameAllowance(20, 72);

} // namespace

Tmss::Tmss() : Page(QStringLiteral("Mehr Schwimmbad"), {1366, 712})
{
    ui.setupUi(client());
    fitToScreen();

    for (const side::Zoom &zoom : zooms)
        m_pictures << find(zoom.picture);
    m_notes = {ui.inf1, ui.inf2, ui.inf3, ui.inf4, ui.inf5};
    for (QPlainTextEdit *note : {ui.inf1, ui.inf2, ui.inf3, ui.inf4, ui.inf5})
        centreLines(note);

    for (int i = 0; i < m_pictures.size(); ++i) {
        onClick(m_pictures[i], [this, i] { pictureClick(i); });
        onDoubleClick(m_pictures[i], [this, i] { pictureDblClick(i); });
        clickableByKeyboard(m_pictures[i]);
    }
    // "&Quit" closes the page.
    onClick(ui.Button1, [this] { close(); });
}

// The page is wider and taller than many screens. There it opens as large as the
// screen's free area allows, centred like every page, and scrolls to the rest.
void Tmss::fitToScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize room = screen->availableGeometry().size() - frameAllowance;
    const QSize form = client()->size();
    if (form.width() <= room.width() && form.height() <= room.height())
        return;
    auto *scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("scroller"));
    scroller->setAccessibleName(windowTitle());
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(takeCentralWidget());
    // Room for a scroll bar in the direction that does not scroll, where it needs one.
    const int bar = scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize shown = form.boundedTo(room);
    if (form.width() > room.width())
        shown.rheight() = std::min(form.height() + bar, room.height());
    if (form.height() > room.height())
        shown.rwidth() = std::min(form.width() + bar, room.width());
    scroller->setFixedSize(shown);
    setCentralWidget(scroller);
}

void Tmss::pictureClick(int index)
{
    side::moveTo(m_pictures[index], zooms[index].enlarged);
    for (QWidget *note : m_notes)
        note->hide();
    for (QWidget *other : m_pictures)
        if (other != m_pictures[index])
            other->hide();
    ui.Button1->hide();
}

void Tmss::pictureDblClick(int index)
{
    side::moveTo(m_pictures[index], zooms[index].restored);
    for (QWidget *note : m_notes)
        note->show();
    for (QWidget *other : m_pictures)
        other->show();
    ui.Button1->show();
}
