// SPDX-License-Identifier: GPL-3.0-or-later
// The Ui object: menu bar, status panel, dialogs and message boxes drawn each frame with ImGui;
// ui.cpp has the bodies.
#pragma once

// The program's whole ImGui layer: one object, driven once per frame by the main loop.
//
//   ui.init(window, glContext);              // after the GL context is current
//   per event:  ui.processEvent(e); game input only when !ui.wantsKeyboard()/!ui.wantsMouse()
//               and !ui.modalOpen()
//   per frame:  ui.beginFrame();
//               int command = ui.drawMenuBar();           // 0 or a MenuCommand
//               ... draw the 3-D scene below the menu bar ...
//               int button = ui.drawStatusPanel(world, enabled, placeStatusPanel(client));
//               if (ui.drawModals(world, host) == ModalOutcome::GameBuilt) reset the camera...
//               ui.endFrame();                            // then swap buffers
//   at exit:    ui.shutdown();                            // also done by the destructor

#include "game/controllers_dialog.h"
#include "net/network_dialogs.h"
#include "resources/asset_catalog.h"
#include "ui/keys.h"
#include "ui/menu_model.h"
#include "ui/message_queue.h"
#include "ui/pad_nav.h"
#include "ui/panel_layout.h"
#include "ui/waiting_box.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

struct SDL_Window;
union SDL_Event;
class GameWorld;
class GameHost;
class NewGameFlow;

// What the dialogs did in a frame that the program must follow up.
enum class ModalOutcome {
    None,
    GameBuilt,  // the new-game flow built its game: reset the camera, enable the game items
};

class Ui {
  public:
    Ui();
    ~Ui();
    Ui(const Ui&) = delete;
    Ui& operator=(const Ui&) = delete;

    // Creates the ImGui context and its SDL2 and OpenGL2 backends on the window and its current
    // GL context, and loads the panel's fonts (a missing font queues its failure message and the
    // panel falls back to the default font). False when a backend cannot start.
    bool init(SDL_Window* window, void* glContext);
    void shutdown();

    void processEvent(const SDL_Event& event);
    // The narrowest window in which the status panel shows whole (0 before init).
    int minimumWindowWidth() const;
    // Draws menus, dialogs and the panel this many times their size at 96 dpi (fonts loaded
    // anew at the scaled size). Between frames only; before init it sets the starting scale.
    void setInterfaceScale(float scale);
    float interfaceScale() const;
    // ImGui wants the keyboard (a text field is active) or the mouse (the pointer is over the
    // menu, the panel or a dialog): the program then keeps the event from the game.
    bool wantsKeyboard() const;
    bool wantsMouse() const;
    // The blink clock of the text field being edited (ImGui's, in seconds as of the last frame),
    // or none when no caret blinks: the loop draws again when the caret next changes.
    std::optional<float> caretClock() const;

    void beginFrame();
    // Renders what the frame's views drew with the current GL context; swap buffers after it.
    void endFrame();

    // The menu bar across the top of the window. Returns the command id of the item clicked in
    // this frame or chosen by keys since the last one, or 0.
    MenuModel& menu() { return menu_; }
    int drawMenuBar();
    // The menu bar has the keyboard (opened by F10, Alt or the pointer), or took the last key:
    // game keys wait.
    bool menuHasKeyboard() const;
    // A key of the menu keyboard from elsewhere than the keyboard (a controller's button): as if
    // typed, with no dialog open. True when the menu took it.
    bool pressMenuKey(Key key);
    // A menu title is highlighted or a menu open.
    bool menuOpen() const;

    // A dialog, a message box or the focused help viewer takes the controllers' buttons.
    bool dialogHasPads() const;
    // A controller's button for the dialogs (pad: its slot): the d-pad and A walk the widgets
    // through ImGui's navigation, B is Escape and Start is Enter, as if typed.
    void padButton(int pad, PadNav which, bool down);
    // The pad went away: what it held is let go.
    void padGone(int pad);
    // A d-pad is held in a dialog: ImGui repeats the move, so frames must keep coming.
    bool padHeld() const;
    // Pixels the menu bar covers; the client area (3-D view and panel) is the window below it.
    int menuBarHeight() const;
    // Whether the last frame showed the menu bar's and panel's kept pixels, their drawing
    // unchanged, instead of drawing them again.
    bool reusedOpaqueLayer() const;

    // The status panel in `rect` (use placeStatusPanel on the client area). Returns the id of
    // the button clicked in this frame (a PanelButtonId) or 0; with buttonsEnabled false every
    // button is greyed and returns nothing. Draws only the background while no tank exists.
    // `seated` follows the player's name: where a network game's player sits.
    int drawStatusPanel(const GameWorld& world, bool buttonsEnabled, const PanelRect& rect,
                        const std::string& seated = {});
    // The banner that names who plays now, across the top of the 3-D view; it takes no input.
    // Nothing for an empty text.
    void drawTurnBanner(const std::string& text, const PanelRect& view);

    // Message boxes: shown one at a time, in order, over everything else.
    MessageQueue& messages() { return messages_; }

    // "About Krellmont": closes only through its OK button.
    void openAbout();
    // The help viewer on the given help file; when it cannot be read the failure message is
    // queued instead and no viewer opens.
    void openHelp(const std::string& path = helpFile);

    // The new-game flow whose pending dialog drawModals shows (set once; the program owns it and
    // calls its start() on "&New Game"). Its OK goes to the flow's pressOk().
    void setNewGameFlow(NewGameFlow* flow);

    // "Activate Shield" on the world's current tank (with no tank everything is disabled).
    // switchOn, when given, switches the chosen shield on in place of the dialog (a network
    // game sends the choice to the other machines).
    void openShields(GameWorld& world, std::function<void(int kind)> switchOn = nullptr);

    // "Controllers": which controller is plugged in and who holds it; OK hands the dialog to
    // `apply`. The program keeps its plugged-in marks current through controllersDialog().
    void openControllers(ControllersDialog dialog,
                         std::function<void(const ControllersDialog&)> apply);
    ControllersDialog* controllersDialog();

    // The network dialogs; what they chose comes back through takeNetworkRequest.
    void openHostDialog(std::vector<std::string> localAddresses);
    void openJoinDialog(const std::string& proposedName);
    // The open join dialog (the program fills in the games found and the status), or null.
    JoinDialog* joinDialog();
    void closeJoinDialog();
    // The box shown while a network game's seats fill; none closes it.
    void showWaitingBox(std::optional<WaitingBox> box);
    // Asks before a command leaves a network game; Yes comes back as a Leave request.
    void askToLeave(const std::string& question, int commandId);

    struct NetworkRequest {
        enum class Kind { None, Host, Join, CancelJoin, CancelWaiting, Leave };
        Kind kind = Kind::None;
        std::uint16_t port = 0;     // Host
        JoinDialog::Target target;  // Join
        int commandId = 0;          // Leave: the command that asked
    };
    // What the network dialogs chose since the last call; None when nothing.
    NetworkRequest takeNetworkRequest();

    // Draws the help viewer, whatever modal dialog is open and the front message box. Call once
    // per frame after every other view.
    ModalOutcome drawModals(GameWorld& world, GameHost& host);

    // A dialog or message box is open (or waiting to open): the scene is drawn paused and game
    // input is ignored.
    bool modalOpen() const;

  private:
    void followPointer(const SDL_Event& event);
    void feedPadNavigation();
    static void applyStyle(float scale);
    bool drawNetworkModals(GameHost& host);

    struct Impl;
    std::unique_ptr<Impl> impl_;
    MenuModel menu_;
    MessageQueue messages_;
};
