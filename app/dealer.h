#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The dealer's own data, as the welcome page, the final page and the printed quote show it.
namespace app::dealer {

inline const QString maker = QStringLiteral("Marvasten Reinigungs- und Pooltechnik");
inline const QString street = QStringLiteral("Am Wasserturm 12");
inline const QString town = QStringLiteral("26789 Leer (Ostfriesland)");
inline const QString phone = QStringLiteral("0491 / 912 34 50");
inline const QStringList emails = {QStringLiteral("info@marvasten-pooltechnik.de"),
                                   QStringLiteral("service@marvasten-pooltechnik.de")};
inline const QString website = QStringLiteral("www.marvasten-pooltechnik.de");
inline const QUrl websiteUrl = QUrl(QStringLiteral("https://www.marvasten-pooltechnik.de"));

} // namespace app::dealer
