#pragma once

#include <QStringList>

namespace app {
struct QuoteStore;
}

// The summary blocks that "Daten Anzeigen" appends to the quote list, read from the
// quote store.
namespace quote {

// 27 lines; 26 when the water-heating page was never confirmed.
QStringList summaryLines(const app::QuoteStore &store);
// The older variant behind the hidden menu entry: with the handrail, without the
// construction, electrolysis, light and closing total lines.
QStringList hiddenSummaryLines(const app::QuoteStore &store);

// A pool a quote list names: the shape line of a summary block and the size below it.
struct Pool
{
    QString shape, size;  // size: empty where the block names none
    bool operator==(const Pool &) const = default;
};
// The pools of the list, each once, in list order: a line holding a shape name (blanks
// aside) and the first "Beckengröße: " line after it. Lines loaded from a file or left
// after deletions count as they stand.
QList<Pool> poolsOf(const QStringList &list);

} // namespace quote
