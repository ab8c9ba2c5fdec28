// SPDX-License-Identifier: GPL-3.0-or-later
// The ImGui views (status panel, menu bar, message box, help, dialogs) and their helpers;
// bodies in the *_view.cpp files, panel_fonts.cpp, modal_helpers.cpp and dialog_frame.cpp.
#pragma once

// ImGui views shared between the Ui object and the tests that drive them headless.

#include "ui/font_files.h"
#include "ui/help_text.h"
#include "ui/menu_keyboard.h"
#include "ui/menu_model.h"
#include "ui/message_queue.h"
#include "ui/panel_layout.h"
#include "ui/readouts.h"
#include "ui/waiting_box.h"

#include <imgui.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

union SDL_Event;

// The panel's fonts as loaded into the atlas; a null entry draws with the default font.
struct PanelFonts {
    std::array<ImFont*, panelFontCount> fonts{};
    float scale = 1.0f;  // the interface scale they were loaded at
    ImFont* get(PanelFontIndex index) const { return fonts[static_cast<std::size_t>(index)]; }
};

// Adds the dialog font and the seven panel fonts to the atlas (before it is built). A font
// that cannot be found or read queues its failure message and ImGui's built-in font stands in,
// sized by addStandInFont. Every size is multiplied by the interface scale `scale`.
PanelFonts loadPanelFonts(ImFontAtlas& atlas, MessageQueue& messages, float scale = 1.0f);
ImFont* addStandInFont(ImFontAtlas& atlas, float emPixels);
// A length of the 100% layout in pixels at the current interface scale, which the style's
// sizes carry (they are scaled from ImGui's defaults).
float interfacePixels(float pixels);

// Font metrics as whole pixels, the way the panel layout expects them.
int fontLineHeight(const ImFont* font);
int fontDescent(const ImFont* font);
int textWidth(const ImFont* font, const std::string& text);

PanelTextMetrics measurePanelText(const StatusReadouts& readouts, int panelWidth,
                                  const PanelFonts& fonts);
// The narrowest panel in which every button shows whole, whatever the readouts say.
int statusPanelWidthNeeded(const PanelFonts& fonts);

// Who plays now, in large letters on a dark band a little below the top of the view.
void drawTurnBannerView(const std::string& text, const PanelRect& view, const PanelFonts& fonts);

// A rectangle of a window's background that ImGui would fill with one opaque colour, in ImGui's
// coordinates. The menu bar and the panel leave such fills out of the draw data (a blended fill
// of every pixel costs a software renderer dearly) and list them here; the frame paints them
// before ImGui renders the rest over them.
struct OpaqueFill {
    ImVec2 min;
    ImVec2 max;
    ImU32 colour;
    const ImDrawList* owner = nullptr;  // the window's list, drawn over the fill
};

// The status panel window, its grey background listed in `fills`. Returns the clicked button's
// id, or 0.
int drawStatusPanelView(const StatusReadouts& readouts, bool buttonsEnabled, const PanelRect& rect,
                        const PanelFonts& fonts, std::vector<OpaqueFill>& fills);

// The menu bar, its window and bar backgrounds listed in `fills`; returns the command id
// clicked, or 0. Its height goes to `height`. While `keys` drives the menu the bar opens and
// highlights what it says; otherwise `keys` learns what the pointer opened.
int drawMenuBarView(const MenuModel& menu, MenuKeyboard& keys, float& height,
                    std::vector<OpaqueFill>& fills);

// Passes an SDL event on to the menu's keyboard control; returns the command a key chose, or 0.
int feedMenuKeyboard(MenuKeyboard& keys, const MenuModel& menu, const SDL_Event& event);

// The front message of the queue as a modal box; OK, Enter or Escape dismisses it. Call it at the
// innermost open popup so that it stacks over a dialog. `serial` tells consecutive boxes apart.
void drawMessageBoxView(MessageQueue& messages, unsigned& serial);

// "About Krellmont". Returns false once OK closed it. `icon` is a GL texture or 0.
bool drawAboutBoxView(unsigned icon, MessageQueue& messages, unsigned& messageSerial);

// The help viewer window; returns false once the user closed it.
struct HelpViewerState {
    HelpDocument document;
    int selected = 0;
    bool scrollToTop = true;
    // Like a separate help window, the viewer keeps the keys while it has the focus, so
    // Enter or the arrows read there do not also fire or aim the tank behind it.
    bool focused = false;
    // The selected section cut into the lines shown at the width it was cut for.
    std::vector<HelpLine> lines;
    int wrappedSection = -1;
    float wrappedWidth = 0.0f;
};
bool drawHelpViewerView(HelpViewerState& state);

// Centres the next window on the display when it appears.
void centreNextWindow();

// Enter or keypad Enter went down in this frame (repeats do not count).
bool enterPressed();
bool escapePressed();
// The current window or one of its children has the keyboard (a popup over it does not count)
// and did not just open.
bool dialogFocused();

// "##" in a window title would cut the shown text short; keep user text whole.
std::string safeTitle(const std::string& text);

class TeamDialog;
class PlayerDialog;
class ArenaSizeDialog;
class ShieldsDialog;

// Runs when OK is pressed (button or Enter); returns whether the dialog may close. False keeps
// it open, with the message the check raised.
using OkAction = std::function<bool()>;

// The modal dialogs. Each returns false once it has closed. `serial` names this opening of
// the dialog: a new serial is a fresh dialog, even with the same title. Message boxes raised
// while a dialog is open stack over it.
struct ModalContext {
    MessageQueue& messages;
    unsigned& messageSerial;
};
bool drawTeamDialogView(TeamDialog& dialog, unsigned serial, const OkAction& ok,
                        const ModalContext& modal);
// `previews`: a GL texture per camouflage choice, in the dialog's order; 0 draws a grey box.
bool drawPlayerDialogView(PlayerDialog& dialog, unsigned serial, const OkAction& ok,
                          const std::array<unsigned, 5>& previews, const ModalContext& modal);
bool drawArenaSizeDialogView(ArenaSizeDialog& dialog, unsigned serial, const OkAction& ok,
                             const ModalContext& modal);
// OK applies the choice and closes; Cancel, Escape and the close box close without change.
bool drawShieldsDialogView(ShieldsDialog& dialog, unsigned serial, const ModalContext& modal);
class ControllersDialog;
// The same buttons; `accepted` tells OK from the others in the frame it closes.
bool drawControllersDialogView(ControllersDialog& dialog, unsigned serial, bool& accepted,
                               const ModalContext& modal);

// What a network dialog's buttons (or Enter and Escape) chose in a frame.
enum class NetworkChoice { None, Accept, Cancel };
class HostDialog;
class JoinDialog;
// The box that stays while seats fill (who has taken which), with Cancel.
// Accept only once `ok` agreed; the join dialog stays open while it joins.
NetworkChoice drawHostDialogView(HostDialog& dialog, unsigned serial, const OkAction& ok,
                                 const ModalContext& modal);
NetworkChoice drawJoinDialogView(JoinDialog& dialog, unsigned serial, const OkAction& ok,
                                 const ModalContext& modal);
NetworkChoice drawWaitingBoxView(const WaitingBox& box, unsigned serial, const ModalContext& modal);
// Yes (Accept) or No (Cancel).
NetworkChoice drawLeaveQuestionView(const std::string& question, unsigned serial,
                                    const ModalContext& modal);

// A single-line text field over a string; at most capacity - 1 bytes can be typed.
bool inputString(const char* id, std::string& value, std::size_t capacity, bool digitsOnly,
                 bool focusNow);
