#pragma once

class QEvent;

namespace app {

class Page;

// The program has one entry in the desktop's taskbar and window switcher: the main
// window. On X11 every other window of the program, pages and dialogs, stays out of
// both, yet stacks and comes to the front like any window; elsewhere the desktop
// decides. setUpApplication() calls it.
void keepOneTaskbarEntry();

// Choosing that entry, or the window switcher choosing the main window, while another
// page is in front brings the program back as the user left it: the page in front is
// activated again (restored if minimised), and the main window's own activation, which
// resets the quote store, does not run. A click on the main window activates it as
// always, and so does showing it.
//
// Page::event passes each page event here first; true means the event was such an
// activation, which the page must not take as its own.
bool activationHandedOn(Page *page, QEvent *event);

} // namespace app
