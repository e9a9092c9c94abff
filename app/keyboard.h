#pragma once

class QWidget;

// The keys that every page shares, beyond what the controls do on their own.
namespace app {

// Puts the Tab stops of a form in reading order: rows from top to bottom, left to right
// within a row; where a tall piece stands beside several rows, the column of rows is
// read before it. A frame that holds controls (a radio group, a notebook's page) is read
// as one piece at its place, its own controls in their reading order.
void orderTabStops(QWidget *form);

// Ctrl+Tab and Ctrl+Shift+Tab: the next or previous page of the notebook that holds the
// focus, else of the form's first notebook shown (a notebook turns by itself while its
// tab row has the focus). False when the form shows no notebook to turn.
bool turnNotebook(QWidget *form, bool forward);

} // namespace app
