#pragma once

#include <QByteArray>
#include <QString>

namespace app {

// Writes a file so that it is replaced only once all of it is on disk: a failure (a
// vanished folder, a full disk) leaves the previous file as it was. Throws app::Error
// "Cannot create file <path>" with the reason on a second line.
void saveFile(const QString &path, const QByteArray &bytes);
// The same, for a caller that words the failure itself: false, and the reason.
bool saveFile(const QString &path, const QByteArray &bytes, QString *reason);

} // namespace app
