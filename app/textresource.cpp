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

QStringList textResourceLines(const QString &path)
{
    QString text = textResource(path);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

} // namespace app
