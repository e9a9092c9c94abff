#include "focusframe.h"

#include "look.h"
#include "page.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QTabBar>

#include <cmath>

namespace app {

namespace {
// How bright a colour looks, as contrasts of text and frames are measured.
double luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
} // namespace

QColor FocusFrame::colourOn(const QColor &background)
{
    // Either colour keeps three to one against white; the page decides between them.
    static const QColor navy(0x00, 0x00, 0x80), orange(0xE0, 0x60, 0x00);
    const double page = luminance(background);
    const auto against = [page](const QColor &c) {
        const double l = luminance(c);
        return (std::max(l, page) + 0.05) / (std::min(l, page) + 0.05);
    };
    return against(navy) >= against(orange) ? navy : orange;
}

namespace {
// Made with the first focused page control; it goes with the page it stands on.
QPointer<FocusFrame> theFrame;

// The control a user sees as focused: a list's edit part stands for its list; of a
// tabbed notebook, its current tab.
QWidget *framedControl(QWidget *focused)
{
    QWidget *w = focused;
    if (qobject_cast<QTabBar *>(w))
        return w;
    while (w->parentWidget() && w->parentWidget()->focusProxy() == w)
        w = w->parentWidget();
    return w;
}

bool isField(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractScrollArea *>(w)
        || qobject_cast<const QComboBox *>(w);
}
} // namespace

FocusFrame::FocusFrame()
{
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void FocusFrame::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
        if (!theFrame) {
            if (!now || !qobject_cast<Page *>(now->window()))
                return;
            theFrame = new FocusFrame;
        }
        theFrame->follow(now);
    });
}

void FocusFrame::follow(QWidget *focused)
{
    unwatch();
    auto *page = focused ? qobject_cast<Page *>(focused->window()) : nullptr;
    if (!page || !page->client()->isAncestorOf(focused)) {
        m_target = nullptr;
        hide();
        return;
    }
    m_target = framedControl(focused);
    if (parentWidget() != page->client())
        setParent(page->client());
    // Moves and size changes of the control, or of the frames it sits in, take the
    // frame along; a tab bar's frame follows its current tab.
    for (QWidget *w = m_target; w && w != page->client(); w = w->parentWidget()) {
        w->installEventFilter(this);
        m_watched << w;
    }
    if (auto *tabs = qobject_cast<QTabBar *>(m_target.data()))
        connect(tabs, &QTabBar::currentChanged, this, &FocusFrame::place);
    place();
}

void FocusFrame::unwatch()
{
    for (const QPointer<QWidget> &w : std::as_const(m_watched))
        if (w)
            w->removeEventFilter(this);
    m_watched.clear();
    if (auto *tabs = qobject_cast<QTabBar *>(m_target.data()))
        disconnect(tabs, &QTabBar::currentChanged, this, &FocusFrame::place);
}

void FocusFrame::place()
{
    QWidget *client = parentWidget();
    if (!m_target || !client || !m_target->isVisibleTo(client)) {
        hide();
        return;
    }
    QRect around = m_target->rect();
    if (auto *tabs = qobject_cast<QTabBar *>(m_target.data()); tabs && tabs->currentIndex() >= 0)
        around = tabs->tabRect(tabs->currentIndex());
    around.moveTopLeft(m_target->mapTo(client, around.topLeft()));
    const bool field = isField(m_target);
    const int ring = field ? fieldWidth : width;
    const QRect outer = (field ? around : around.adjusted(-width, -width, width, width)) & client->rect();
    if (outer.width() <= 2 * ring || outer.height() <= 2 * ring) {
        hide();
        return;
    }
    // Inside a field the ring stands on the field's own colour, outside on the page's.
    m_colour = colourOn(field ? backgroundColour(m_target) : client->palette().color(QPalette::Window));
    setGeometry(outer);
    const QRect all(QPoint(), outer.size());
    setMask(QRegion(all).subtracted(all.adjusted(ring, ring, -ring, -ring)));
    raise();
    show();
}

bool FocusFrame::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        place();
        break;
    default:
        break;
    }
    return false;
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_colour);
}

} // namespace app
