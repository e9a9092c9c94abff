#pragma once

#include <QStringView>

class QWidget;

// The information pages' pictures: a click puts a picture at its enlarged place, a
// double-click back at its own.
namespace side {

// A coordinate that a move leaves as it is.
inline constexpr int keep = -1;

struct Place
{
    int left, top, width, height;  // top may be keep
};

struct Zoom
{
    const char *picture;
    Place enlarged, restored;
    QStringView title = {};  // shown above the enlarged picture, where the page has a title line
};

void moveTo(QWidget *picture, const Place &place);

} // namespace side
