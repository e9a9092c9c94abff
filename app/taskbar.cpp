#include "taskbar.h"

#include "navigation.h"
#include "page.h"

#include <QGuiApplication>

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
#endif

// Asks the window manager to leave the page out of the taskbar, the pager and the window
// switcher. It drops the state whenever a window is hidden, so this comes before every
// map; Qt adds its own states to it as it maps the window.
void keepOutOfTaskbar(Page *page)
{
#if defined(NIXARO_X11) && QT_CONFIG(xcb)
    xcb_connection_t *connection = x11();
    if (!connection || !page->internalWinId())
        return;
    static const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    static const xcb_atom_t skip[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                      atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(page->internalWinId()), state,
                        XCB_ATOM_ATOM, 32, 2, skip);
#else
    Q_UNUSED(page);
#endif
}

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

bool oneTaskbarEntry(Page *page, QEvent *event)
{
    // The activation that comes with showing the main window is its own, whatever page
    // its show handler brought to the front.
    static bool mainShown = false;
    const bool main = isMade(PageId::Tbg) && page == mainWindow();
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        if (main)
            mainShown = true;
        else
            keepOutOfTaskbar(page);
    }
    if (event->type() != QEvent::WindowActivate || !main || std::exchange(mainShown, false))
        return false;
    // Navigation makes the page it shows the page in front before it is activated.
    Page *front = Page::front();
    if (!front || front == page || buttonDown(page))
        return false;
    front->showInFront();
    return true;
}

} // namespace app
