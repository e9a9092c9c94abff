#include "picturebox.h"

#include "jpeg.h"

#include <QFile>
#include <QHash>
#include <QPainter>

namespace app {

QImage picture(const QString &resourcePath)
{
    static QHash<QString, QImage> decoded;
    auto it = decoded.find(resourcePath);
    if (it == decoded.end()) {
        QFile file(resourcePath);
        QImage image;
        if (file.open(QIODevice::ReadOnly))
            image = decodeJpeg(file.readAll());
        if (image.isNull())
            qWarning("picture %s could not be decoded", qPrintable(resourcePath));
        it = decoded.insert(resourcePath, image);
    }
    return *it;
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setSource(const QString &resourcePath)
{
    if (resourcePath == m_source)
        return;
    m_source = resourcePath;
    m_scaled = {};
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
    const QSize target = m_stretch ? size() : image().size();
    if (m_scaled.isNull() || m_scaled.size() != target * devicePixelRatioF()) {
        const QImage img = image();
        if (img.isNull())
            return;
        const QSize pixels = target * devicePixelRatioF();
        m_scaled = QPixmap::fromImage(img.size() == pixels
                                          ? img
                                          : img.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_scaled);
    // A picture that takes the focus (a link) shows it with a frame.
    if (hasFocus()) {
        painter.setPen(QPen(Qt::yellow, 2, Qt::DashLine));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

} // namespace app
