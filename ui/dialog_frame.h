#pragma once

#include <string>

// Begins the modal popup of one opening of a dialog, opening it on its first frame. The id
// behind "###" carries the serial, so a following dialog with the same title opens afresh.
// closeBox null: no close box. Returns false when the popup is not shown this frame.
bool beginDialog(const std::string& title, const char* kind, unsigned serial, bool* closeBox);

// The dialog's own OK: the button, or Enter while the dialog (not a box over it) has focus.
bool okButtonPressed(float width);
