#pragma once

#include <QString>
#include <QStringList>

namespace app {

// A UTF-8 text built into the program (":/pages/welcome/helptext.txt"); a resource that
// is missing is a fault of the build and stops the program.
QString textResource(const QString &path);
// Its lines, one a text line; the end of the last line ends no further line.
QStringList textResourceLines(const QString &path);

} // namespace app
