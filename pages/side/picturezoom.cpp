#include "picturezoom.h"

#include <QWidget>

namespace side {

void moveTo(QWidget *picture, const Place &place)
{
    picture->setGeometry(place.left, place.top == keep ? picture->y() : place.top, place.width, place.height);
    picture->raise();
}

} // namespace side
