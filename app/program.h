// SPDX-License-Identifier: GPL-3.0-or-later
// runProgram and Program: the game on its window, with its event handling and frame drawing;
// program.cpp has the bodies.
#pragma once

#include "app/app_host.h"
#include "app/computer_turn.h"
#include "app/gamepads.h"
#include "app/hand_over.h"
#include "app/input_map.h"
#include "app/menu_commands.h"
#include "app/mouse_drag.h"
#include "app/network_play.h"
#include "app/platform_window.h"
#include "app/redraw_policy.h"
#include "app/sound_player.h"
#include "game/new_game.h"
#include "game/world.h"
#include "mind/computer_player.h"
#include "render/camera.h"
#include "ui/ui.h"

#include <SDL.h>

#include <array>
#include <memory>
#include <optional>

class SceneResources;

// Runs the game: window, loop, everything. Returns the process exit status: 0 after
// "E&xit" or the close box, non-zero when start-up failed.
int runProgram();

// The game on its window. runProgram's loop feeds it events and asks for frames; a test can
// do the same one step at a time.
class Program {
  public:
    explicit Program(std::unique_ptr<PlatformWindow> window);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool start();
    void run();

    void handleEvent(const SDL_Event& event);
    void drawFrame();
    void runCommand(int commandId);
    bool quitting() const { return quit_; }
    const GameWorld& world() const { return world_; }
    // The arenas of the games to come are drawn from this seed instead of the clock, so that a
    // benchmark or a test meets the same layout every run.
    void seedRandom(std::uint32_t seed) { world_.random.seed(seed); }
    Ui& ui() { return ui_; }
    Gamepads& gamepads() { return pads_; }

  private:
    void handleKey(const SDL_KeyboardEvent& key);
    void handleText(const char* text);
    void handleMouse(const SDL_Event& event);
    void handlePad(const SDL_Event& event);
    void applyPadActions();
    // The 3-D view in the client area (window pixels) except where the panel covers it.
    void drawScene(const PanelRect& client, const PanelRect& panel);
    void pressPanelButton(int buttonId);
    // One move of the current tank: through the network game when one runs.
    void move(const Move& move);
    void followNetwork();
    void handleNetworkRequest(const Ui::NetworkRequest& request);
    void waitForNextFrame(std::optional<double> seconds);
    void watchForChanges();
    bool shellsMoving() const;
    bool gameReady() const;
    void gameBuilt();
    void givePadsAsChosen();
    void openControllers();
    InputGate inputGate() const;
    double secondsNow() const;

    std::unique_ptr<PlatformWindow> window_;
    Ui ui_;
    SoundPlayer sound_;
    GameWorld world_;
    AppHost host_;
    NewGameFlow newGame_;
    ComputerMind mind_;
    NetworkPlay net_;
    ComputerTurn computer_;
    std::unique_ptr<SceneResources> scene_;
    ViewSettings view_;
    Camera camera_;
    HandOver handOver_;
    MouseDrag drag_;
    Gamepads pads_;
    CurrentContextSwitches glSwitches_;
    RedrawPolicy redraw_;
    // What a frame shows besides what events change: game, shot, dialogs, new-game flow.
    std::array<bool, 4> watched_{};
    bool gameExists_ = false;
    bool quit_ = false;
    int viewportWidth_ = -1;
    int viewportHeight_ = -1;
};
