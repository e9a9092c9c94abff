#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The quote file: the lines of the quote list as Windows-1252 text, every line ended
// by CR LF, nothing else in the file.
namespace quote {

// The file's bytes for the lines; characters the code page cannot hold become "?"
// and set *lossy.
QByteArray encodeQuote(const QStringList &lines, bool *lossy = nullptr);
// The lines of a file's bytes. CR LF, LF and CR all end a line, a last line without
// an end counts, a NUL byte ends the text; empty lines are kept.
QStringList decodeQuote(const QByteArray &bytes);

// Replaces the file only once the whole text is written, so a failed save leaves the
// previous file as it was. Throws app::Error "Cannot create file <path>".
void writeQuoteFile(const QString &path, const QStringList &lines, bool *lossy = nullptr);
// Throws app::Error "Cannot open file <path>".
QStringList readQuoteFile(const QString &path);

} // namespace quote
