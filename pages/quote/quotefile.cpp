#include "quotefile.h"

#include "app/codepage.h"
#include "app/errors.h"
#include "app/savefile.h"

#include <QDir>
#include <QFile>

namespace quote {

namespace {
app::Error cannotOpen(const QString &path, const QString &reason)
{
    QString message = QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path));
    if (!reason.isEmpty())
        message += u'\n' + reason;
    return app::Error(message);
}
} // namespace

QByteArray encodeQuote(const QStringList &lines, bool *lossy)
{
    QByteArray bytes;
    bool lost = false;
    for (const QString &line : lines) {
        bool lineLost = false;
        bytes += app::toCodePage(line, &lineLost);
        bytes += "\r\n";
        lost = lost || lineLost;
    }
    if (lossy)
        *lossy = lost;
    return bytes;
}

QStringList decodeQuote(const QByteArray &bytes)
{
    QStringList lines;
    const qsizetype end = bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0');
    qsizetype pos = 0;
    while (pos < end) {
        qsizetype stop = pos;
        while (stop < end && bytes[stop] != '\r' && bytes[stop] != '\n')
            ++stop;
        lines << app::fromCodePage(bytes.mid(pos, stop - pos));
        pos = stop;
        if (pos < end && bytes[pos] == '\r')
            ++pos;
        if (pos < end && bytes[pos] == '\n')
            ++pos;
    }
    return lines;
}

void writeQuoteFile(const QString &path, const QStringList &lines, bool *lossy)
{
    app::saveFile(path, encodeQuote(lines, lossy));
}

QStringList readQuoteFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw cannotOpen(path, file.errorString());
    return decodeQuote(bytes);
}

} // namespace quote
