#pragma once

class QWidget;

// The keys that every page shares, beyond what the controls do on their own.
namespace app {

// Keys as desktop users know them, for the whole application: Alt with a letter that is
// no mnemonic types nothing into a field, Enter presses the button that has the focus,
// and a key held down clicks a button once.
void keepDesktopKeys();

// Ctrl+Tab and Ctrl+Shift+Tab: the next or previous page of the notebook that holds the
// focus, else of the form's first notebook shown (a notebook turns by itself while its
// tab row has the focus). False when the form shows no notebook to turn.
bool turnNotebook(QWidget *form, bool forward);

} // namespace app
