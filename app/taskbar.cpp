#include "taskbar.h"

#include "navigation.h"
#include "page.h"

#include <QApplication>

#include <utility>

#if defined(NIXARO_X11) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace app {

namespace {

#if defined(NIXARO_X11) && QT_CONFIG(xcb)
xcb_connection_t *x11()
{
    const auto *x = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x ? x->connection() : nullptr;
}

template<typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Asks the window manager to leave a window out of the taskbar, the pager and the window
// switcher. It drops the state whenever a window is hidden, so this comes before every
// map; Qt adds its own states to it as it maps the window.
class OutOfTaskbar : public QObject
{
public:
    explicit OutOfTaskbar(xcb_connection_t *connection)
        : QObject(qApp), m_connection(connection), m_state(atom(connection, "_NET_WM_STATE")),
          m_skip{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"), atom(connection, "_NET_WM_STATE_SKIP_PAGER")}
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A window's Show comes before it is mapped; menus and tooltips are not managed.
        if (event->type() != QEvent::Show || event->spontaneous() || !watched->isWidgetType())
            return false;
        const auto *window = static_cast<QWidget *>(watched);
        if (window->isWindow() && (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog)
            && window->internalWinId() && !(isMade(PageId::Tbg) && window == mainWindow()))
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->internalWinId()),
                                m_state, XCB_ATOM_ATOM, 32, 2, m_skip);
        return false;
    }

private:
    xcb_connection_t *m_connection;
    xcb_atom_t m_state;
    xcb_atom_t m_skip[2];
};
#endif

// Whether a mouse button is down as the page is activated: the user clicked on it. On
// X11 the window manager's activation comes before the click itself reaches the program,
// so the server is asked.
bool buttonDown(Page *page)
{
#if defined(NIXARO_X11) && QT_CONFIG(xcb)
    if (xcb_connection_t *connection = x11(); connection && page->internalWinId()) {
        const Reply<xcb_query_pointer_reply_t> pointer(
            xcb_query_pointer_reply(connection, xcb_query_pointer(connection, xcb_window_t(page->internalWinId())), nullptr),
            &std::free);
        return pointer && (pointer->mask & (XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3));
    }
#else
    Q_UNUSED(page);
#endif
    return QGuiApplication::mouseButtons() != Qt::NoButton;
}

} // namespace

void keepOneTaskbarEntry()
{
#if defined(NIXARO_X11) && QT_CONFIG(xcb)
    if (xcb_connection_t *connection = x11())
        qApp->installEventFilter(new OutOfTaskbar(connection));
#endif
}

bool activationHandedOn(Page *page, QEvent *event)
{
    // The activation that comes with showing the main window is its own, whatever page
    // its show handler brought to the front.
    static bool mainShown = false;
    if (!isMade(PageId::Tbg) || page != mainWindow())
        return false;
    if (event->type() == QEvent::Show && !event->spontaneous())
        mainShown = true;
    if (event->type() != QEvent::WindowActivate || std::exchange(mainShown, false))
        return false;
    // Navigation makes the page it shows the page in front before it is activated.
    Page *front = Page::front();
    if (!front || front == page || buttonDown(page))
        return false;
    front->showInFront();
    return true;
}

} // namespace app
