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

} // namespace quote
