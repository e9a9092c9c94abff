#pragma once

#include <QPixmap>
#include <QWidget>

namespace app {

// A picture on a page: a JPEG built into the program, decoded the first time it is
// painted (not at start-up) and drawn stretched to the box or at its own size.
// A screen reader hears a picture as an image named by what it shows (its accessible
// name); backgrounds and ornaments carry the form property `decorative` instead.
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QString source() const { return m_source; }
    void setSource(const QString &resourcePath);
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);

    // The decoded picture, at its own size.
    QImage image() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_source;
    bool m_stretch = true;
    QPixmap m_scaled;    // the picture at the box's current size
    QPixmap m_original;  // the picture at its own size, for a box too large to copy it at
    // Boxes of more pixels than this draw their picture scaled on the fly.
    static constexpr qreal largestCopy = 4096.0 * 4096.0;
};

// The decoded picture of a resource path.
QImage picture(const QString &resourcePath);

} // namespace app
