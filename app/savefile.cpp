#include "savefile.h"

#include "errors.h"

#include <QDir>
#include <QSaveFile>

namespace app {

namespace {
Error cannotCreate(const QString &path, const QString &reason)
{
    QString message = QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path));
    if (!reason.isEmpty())
        message += u'\n' + reason;
    return Error(message);
}
} // namespace

void saveFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotCreate(path, file.errorString());
    // Flushed here because commit() in Qt 6.4 does not notice when its own final flush
    // fails (a full disk) and would put the cut-off file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw cannotCreate(path, file.errorString());
    if (!file.commit())
        throw cannotCreate(path, file.errorString());
}

} // namespace app
