#pragma once

#include "daten.h"
#include "navigation.h"

class QLineEdit;

// The running total from page to page: every catalogue page shows the total of the step
// before in a read-only field, adds its own prices, and on "&Weiter -->" stores its total
// for the step after and shows the next page. Each page's link is one row of a table.
namespace app::runningtotal {

struct Link
{
    PageId page;
    QString QuoteStore::*previous;  // the total of the step before
    QString QuoteStore::*total;     // this page's total, stored on "&Weiter -->"
    PageId next;                    // the page "&Weiter -->" shows
};

const Link &of(PageId page);

// The total of the step before into the page's read-only field; the field's change
// handler (a price field normalises) runs when the text changes.
void showPrevious(PageId page, QLineEdit *field);
// The total of the step before as it stands in the store.
const QString &previous(PageId page);
// "&Weiter -->": the page's total into its slot, then the next page.
void handOn(PageId page, const QString &total);

} // namespace app::runningtotal
