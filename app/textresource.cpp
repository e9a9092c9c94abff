#include "textresource.h"

#include <QFile>

namespace app {

QString textResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("text resource %s missing", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

} // namespace app
