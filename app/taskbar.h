#pragma once

class QEvent;

namespace app {

class Page;

// The program has one entry in the desktop's taskbar and window switcher: the main
// window. Every other page stays out of both (on X11; elsewhere the desktop decides),
// yet stacks and comes to the front like any window.
//
// Choosing that entry, or the window switcher choosing the main window, while another
// page is in front brings the program back as the user left it: the page in front is
// activated again, and the main window's own activation (which resets the quote store)
// does not run. A click on the main window itself activates it as always.
//
// Page::event passes each page event here first; true means the event was such an
// activation, which the page must not take as its own.
bool oneTaskbarEntry(Page *page, QEvent *event);

} // namespace app
