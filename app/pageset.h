#pragma once

namespace app {

// Sets up the pages in their fixed order and makes the main window; each other page's
// window is made when it is first needed.
void createPages();
// Destroys them at the end of the run.
void destroyPages();

} // namespace app
