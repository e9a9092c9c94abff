#pragma once

namespace app {

// Creates the pages once, in their fixed order; the first is the main window.
void createPages();
// Destroys them at the end of the run.
void destroyPages();

} // namespace app
