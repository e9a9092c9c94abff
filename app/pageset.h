#pragma once

namespace app {

// Sets up the pages in their fixed order and makes the main window; each other page's
// window is made when it is first needed.
void createPages();
// Makes the pages a user can see, not made yet, while the program is idle, once the main
// window has painted its first frame, those a user opens first (the pool pages, then the
// walk) before the rest, so that no later first visit waits for its page. Nothing shows
// or activates a page made so; it stops when all are made or the pages are destroyed.
void makePagesWhenIdle();
// One slice of that work, all a click can wait for: makes the next page not made yet,
// or, in the slice after, prepares its first show (Page::prepare). Returns the page's
// PageId as a number, or -1 when there is nothing left to do.
int idleSlice();
// Whether every page a user can be shown is made.
bool allPagesMade();
// Destroys them at the end of the run.
void destroyPages();

} // namespace app
