#include "savefile.h"

#include "errors.h"

#include <QDir>
#include <QSaveFile>

namespace app {

bool saveFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    // Flushed before the commit because commit() in Qt 6.4 does not notice when its own
    // final flush fails (a full disk) and would put the cut-off file in place of the old one.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}

void saveFile(const QString &path, const QByteArray &bytes)
{
    QString reason;
    if (saveFile(path, bytes, &reason))
        return;
    QString message = QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path));
    if (!reason.isEmpty())
        message += u'\n' + reason;
    throw Error(message);
}

} // namespace app
