#include "floorcleaningtables.h"

namespace floorcleaning {

QString addedLine(QStringView name, const QString &price)
{
    return name.toString() + price + QStringLiteral(" € +");
}

QString previousTotalLine(const QString &total)
{
    return QStringLiteral("Bisheriger Schwimmbeckenpreis: ") + total + QStringLiteral(" €");
}

} // namespace floorcleaning
