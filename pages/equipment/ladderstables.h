#pragma once

#include "app/numbertext.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <array>
#include <span>

// The ladders and stairs of the catalogue, and which of them a pool is offered: by how
// it is installed, its wall height and, for the stairs of rectangular pools, its shape.
namespace ladders {

struct Ladder
{
    QStringView name;   // the article name as the list shows it and the quote takes it
    QStringView price;
    std::array<const char *, 3> pictures;  // object names of its pictures; nullptr: none
    bool noHinge;       // a stair that takes no ladder tilt hinge
    QStringView description;  // its lines, separated by '\n'

    QStringList descriptionLines() const;
};

// In the order a chosen name is compared with.
extern const std::span<const Ladder> catalogue;

// The first entry of that name, or nullptr.
const Ladder *find(QStringView name);

enum class Installation {
    FreeStanding,  // "Aufgestelltes Becken"
    HalfSunk,      // "Halb- oder teileingelassenes Becken"
    InGround,      // "Eingelassenes Becken"
};

// The ladders offered, in list order, for a pool of this wall height in metres; the
// stairs of the rectangular pools only come with its 1,50 m wall sunk into the ground.
QList<const Ladder *> offered(Installation installation, app::Number wallHeight, bool rectangular);

// The ladder tilt hinge: its price and the note beside its picture.
inline constexpr QStringView hingePrice = u"199,95";
extern const QStringList hingeNote;

} // namespace ladders
