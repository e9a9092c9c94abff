#include "floorcleaningtables.h"

namespace floorcleaning {

QStringList toList(const Lines &lines)
{
    QStringList list;
    for (QStringView line : lines)
        list << line.toString();
    return list;
}

QString addedLine(QStringView name, const QString &price)
{
    return name.toString() + price + QStringLiteral(" € +");
}

QString previousTotalLine(const QString &total)
{
    return QStringLiteral("Bisheriger Schwimmbeckenpreis: ") + total + QStringLiteral(" €");
}

} // namespace floorcleaning
