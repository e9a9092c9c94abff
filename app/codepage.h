#pragma once

#include <QByteArray>
#include <QString>

// Every text of the program lives in the Windows-1252 code page: the quote file is
// written in it and slot values are compared byte by byte in its order.
namespace app {

// Encodes a text; characters the code page cannot hold become "?" and set *lossy.
QByteArray toCodePage(const QString &text, bool *lossy = nullptr);
QString fromCodePage(const QByteArray &bytes);

// Byte-wise comparison of two texts in code-page order (<0, 0, >0).
int compareTexts(const QString &a, const QString &b);
inline bool sortsAfter(const QString &a, const QString &b) { return compareTexts(a, b) > 0; }

} // namespace app
