#pragma once

namespace app {

// Sets up the running application as every entry point needs it (the program, the
// tests, the page pictures and the benchmarks): the application title, the default
// font, German texts in Qt's own dialogs whatever the desktop's language, and the
// shared look of the pages.
void setUpApplication();

} // namespace app
