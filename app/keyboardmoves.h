#pragma once

namespace app {

class Page;

// Some pages recompute their totals, apply their rules and store slots only when the
// mouse moves over the page background; a mouse user's pointer crosses it on the way to
// every control. A keyboard user's pointer stands still, so on such a page every key that
// acts (Tab, Shift+Tab, the arrows, Space, Enter, Alt with a mnemonic) is followed by that
// move on the page in front, once the key has done its work. Characters typed into an
// edit field are not followed by it: a half-typed number is no choice yet, and its
// conversion error comes once the field is left with Tab.
void followKeysWithBackgroundMove(Page *page);

} // namespace app
