#include "codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>

namespace app {

namespace {
constexpr auto kCodePage = "windows-1252";
}

QByteArray toCodePage(const QString &text, bool *lossy)
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray out = encoder.encode(text);
    const bool lost = encoder.hasError();
    if (lost) {
        // Encode again character by character, so that each character outside the
        // code page turns into one "?" instead of being dropped.
        out.clear();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
            QStringEncoder single(kCodePage, QStringConverter::Flag::Stateless);
            const QByteArray bytes = single.encode(QStringView(text).mid(i, len));
            out += (single.hasError() || bytes.size() != 1) ? QByteArray("?") : bytes;
            i += len - 1;
        }
    }
    if (lossy)
        *lossy = lost;
    return out;
}

QString fromCodePage(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

int compareTexts(const QString &a, const QString &b)
{
    const QByteArray x = toCodePage(a), y = toCodePage(b);
    const int common = std::memcmp(x.constData(), y.constData(), size_t(std::min(x.size(), y.size())));
    if (common != 0)
        return common;
    return int(x.size() - y.size() > 0) - int(x.size() - y.size() < 0);
}

} // namespace app
