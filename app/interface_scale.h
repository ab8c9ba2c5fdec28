// SPDX-License-Identifier: GPL-3.0-or-later
// The interface scale: how much larger than at 96 dpi the menus, dialogs and panel are drawn.
#pragma once

// What Options > Interface Size holds for this run.
enum class InterfaceSize { Automatic, Percent100, Percent150, Percent200 };

// The scale that suits a display from its readings: a drawable larger than the window (the
// system already scales windows) gives their ratio, otherwise the display's dpi against 96.
// A dpi of zero or less (unknown) counts as 96. Rounded to half steps between 1 and 3, so fonts
// keep whole-pixel sizes that look alike at every scale.
float interfaceScaleFor(float dpi, int drawableWidth, int windowWidth);

// The scale to draw at: the chosen size, or `automatic` when the display decides.
float interfaceScaleChosen(InterfaceSize size, float automatic);
