#pragma once

#include <QByteArray>
#include <QImage>

namespace app {

// Decodes a baseline or progressive JPEG with libjpeg; a null image when the data is
// not a readable JPEG.
QImage decodeJpeg(const QByteArray &data);

} // namespace app
