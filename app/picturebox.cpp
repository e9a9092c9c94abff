#include "picturebox.h"

#include "jpeg.h"

#include <QFile>
#include <QPainter>

namespace app {

QImage picture(const QString &resourcePath)
{
    // Not kept: each box keeps the pixmap it shows, and a second copy of every decoded
    // picture would only cost memory.
    QFile file(resourcePath);
    QImage image;
    if (file.open(QIODevice::ReadOnly))
        image = decodeJpeg(file.readAll());
    if (image.isNull())
        qWarning("picture %s could not be decoded", qPrintable(resourcePath));
    return image;
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setSource(const QString &resourcePath)
{
    if (resourcePath == m_source)
        return;
    m_source = resourcePath;
    m_scaled = {};
    m_original = {};
    update();
}

void PictureBox::setStretch(bool stretch)
{
    m_stretch = stretch;
    m_scaled = {};
    update();
}

QImage PictureBox::image() const
{
    return m_source.isEmpty() ? QImage() : picture(m_source);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_source.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    QPainter painter(this);
    if (m_stretch && qreal(width()) * height() * ratio * ratio > largestCopy) {
        // Some pictures grow with every click, without end: a copy at that size would
        // take gigabytes, so only the part on the page is drawn, from the picture itself.
        m_scaled = {};
        if (m_original.isNull())
            m_original = QPixmap::fromImage(image());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_original);
    } else {
        m_original = {};
        const bool current = !m_scaled.isNull() && m_scaled.devicePixelRatio() == ratio
            && (!m_stretch || m_scaled.size() == size() * ratio);
        if (!current) {
            QImage img = image();
            if (img.isNull())
                return;
            const QSize pixels = (m_stretch ? size() : img.size()) * ratio;
            if (img.size() != pixels)
                img = img.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_scaled = QPixmap::fromImage(std::move(img));
            m_scaled.setDevicePixelRatio(ratio);
        }
        painter.drawPixmap(0, 0, m_scaled);
    }
}

} // namespace app
