#pragma once

#include <QString>

namespace app {

// A UTF-8 text built into the program (":/pages/welcome/helptext.txt"); a resource that
// is missing is a fault of the build and stops the program.
QString textResource(const QString &path);

} // namespace app
