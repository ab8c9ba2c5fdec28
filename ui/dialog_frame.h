// SPDX-License-Identifier: GPL-3.0-or-later
// What every modal dialog's view shares: opening its popup, placing and pressing its OK, and
// keeping the keyboard on its text fields; dialog_frame.cpp has the bodies.
#pragma once

#include <string>

// Begins the modal popup of one opening of a dialog, opening it on its first frame. The id
// behind "###" carries the serial, so a following dialog with the same title opens afresh.
// closeBox null: no close box. Returns false when the popup is not shown this frame.
bool beginDialog(const std::string& title, const char* kind, unsigned serial, bool* closeBox);

// Moves the cursor so that two buttons of `width` side by side end at the right edge of the line
// (`share` 1) or stand in its middle (0.5); where the line is narrower they start at its left.
void placeTwoButtons(float width, float share);

// The dialog's own OK: the button, or Enter while the dialog (not a box over it) has focus.
bool okButtonPressed(float width);

// What the OK and Cancel row of a dialog answered this frame.
enum class OkCancel { None, Ok, Cancel };
// OK (or Enter) and Cancel (or Escape), each `width` wide, placed as placeTwoButtons does, after a
// little space. Cancel is neither drawn nor read in the frame OK was pressed.
OkCancel okCancelButtons(float width, float share);

// Keeps the keyboard with the dialog's text fields: the field to focus in this frame, or -1.
// On opening that is field 0; when a box stacked over the dialog has closed, it is the field
// that had the keyboard before. Call once per frame inside the dialog, before its fields, and
// report each field's activity with noteActiveField.
int fieldToFocus();
void noteActiveField(int index);
