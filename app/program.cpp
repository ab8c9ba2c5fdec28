// SPDX-License-Identifier: GPL-3.0-or-later
// The program's loop: start-up, events to the menu, dialogs and game, frames drawn when due,
// menu commands and panel buttons.
#include "app/program.h"

#include "app/app_host.h"
#include "app/camera_drag.h"
#include "app/menu_commands.h"
#include "app/mouse_drag.h"
#include "app/platform_window.h"
#include "app/sound_player.h"
#include "app/startup_failure.h"
#include "combat/shell_loop.h"
#include "combat/tank_actions.h"
#include "game/names.h"
#include "game/new_game.h"
#include "game/world.h"
#include "net/local_addresses.h"
#include "net/messages.h"
#include "net/seats.h"
#include "render/camera.h"
#include "render/frame.h"
#include "render/scene.h"
#include "render/texture_table.h"
#include "render/viewport.h"
#include "resources/asset_catalog.h"
#include "resources/version.h"
#include "ui/panel_layout.h"
#include "ui/sdl_keys.h"
#include "ui/ui.h"

#include <GL/gl.h>
#include <SDL.h>
#include <imgui.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

// The menu bar, the status panel and a strip of the arena between them.
constexpr int minimumWindowHeight = 240;

const char* const websiteAddress = "https://krellmont.example.org/";
const char* const networkCaption = "Network game";
// How long the loop sleeps at most while a network game runs: peers' moves show promptly.
constexpr int networkWaitMilliseconds = 10;

// The name a joining person is offered, and the host's in the games list: the login name.
std::string playerName() {
    const char* user = SDL_getenv("USER");
    return user != nullptr && *user != '\0' ? cleanName(user) : std::string("player");
}

std::string windowTitle() {
    char title[64];
    SDL_snprintf(title, sizeof title, "Krellmont version %s", krellmontVersion);
    return title;
}

// Events after which the picture may look different: all input, and whatever the window
// system says about the window except that it moved.
bool canChangePicture(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        case SDL_TEXTINPUT:
        case SDL_TEXTEDITING:
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_MOUSEWHEEL:
            return true;
        case SDL_WINDOWEVENT:
            return event.window.event != SDL_WINDOWEVENT_MOVED;
        default:
            return false;
    }
}

std::int64_t counterNow() {
    return static_cast<std::int64_t>(SDL_GetPerformanceCounter());
}

}  // namespace

Program::Program(std::unique_ptr<PlatformWindow> window)
    : window_(std::move(window)),
      host_(ui_.messages(), ui_.menu(), [this](const std::string& file) { sound_.play(file); }),
      newGame_(world_, host_),
      // The mind keeps a random stream of its own, seeded apart from the game's.
      mind_(static_cast<std::uint32_t>(SDL_GetPerformanceCounter())),
      net_(world_, host_),
      computer_([this](const GameWorld& world) { return mind_.planTurn(world); },
                [this](const Move& m, GameWorld&, GameHost&) { move(m); }),
      redraw_(static_cast<std::int64_t>(SDL_GetPerformanceFrequency()), counterNow()) {}

Program::~Program() {
    // The scene's GL objects and the UI go while the context is still current.
    scene_.reset();
    ui_.shutdown();
}

bool Program::start() {
    world_.random.seed(static_cast<std::uint32_t>(std::time(nullptr)));
    ui_.setInterfaceScale(
        interfaceScaleChosen(view_.interfaceSize, window_->displayInterfaceScale()));
    if (!ui_.init(window_->sdlWindow(), window_->glContext())) {
        return false;
    }
    ui_.setNewGameFlow(&newGame_);
    scene_ = setupScene(host_, world_.tankLists);
    ui_.menu().setGameItemsEnabled(false);
    const BitmapError icon = window_->loadIcon(largeIconFile);
    if (icon != BitmapError::None && icon != BitmapError::Missing) {
        host_.showMessage(unusableFileMessage(largeIconFile, describeBitmapError(icon)),
                          missingFileCaption);
    }
    window_->showMaximised();
    // Without controller support the game is played with keyboard and mouse alone.
    pads_.start();
    return true;
}

void Program::run() {
    while (!quit_) {
        SDL_Event event;
        while (!quit_ && SDL_PollEvent(&event)) {
            handleEvent(event);
        }
        if (quit_) {
            break;
        }
        followNetwork();
        if (window_->minimised()) {
            // Nothing is drawn while minimised: sleep until the window system speaks, or
            // briefly while a network game needs its link kept.
            if (net_.active()) {
                SDL_WaitEventTimeout(nullptr, networkWaitMilliseconds);
            } else {
                SDL_WaitEvent(nullptr);
            }
            continue;
        }
        watchForChanges();
        const RedrawPolicy::Step step = redraw_.step(counterNow());
        if (step.draw) {
            drawFrame();
            redraw_.setCaretClock(ui_.caretClock());
            // The banner goes by itself: a frame then takes it away.
            const std::optional<double> bannerEnds = handOver_.bannerEnds(secondsNow());
            redraw_.setChangeAt(
                bannerEnds ? std::optional<std::int64_t>(static_cast<std::int64_t>(
                                 *bannerEnds * static_cast<double>(SDL_GetPerformanceFrequency())))
                           : std::nullopt);
        } else {
            waitForNextFrame(step.sleepSeconds);
        }
    }
}

// Waits for the next event, or at most `seconds` when given. The event wait has
// whole-millisecond resolution; the last fraction is slept so frames keep their rate.
void Program::waitForNextFrame(std::optional<double> seconds) {
    // The network is read between waits: a peer's move must not wait for a local event.
    if (net_.active() && (!seconds || *seconds > networkWaitMilliseconds / 1000.0)) {
        seconds = networkWaitMilliseconds / 1000.0;
    }
    if (!seconds) {
        SDL_WaitEvent(nullptr);
        return;
    }
    const double remaining = *seconds;
    const int wholeMilliseconds = static_cast<int>(remaining * 1000.0);
    if (wholeMilliseconds >= 1) {
        SDL_WaitEventTimeout(nullptr, wholeMilliseconds);
    } else if (remaining > 0.0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(remaining));
    }
}

// Reads the network, and follows what it changed: a game built from the host's setup, the
// join dialog's status, the box that waits for players.
void Program::followNetwork() {
    net_.poll(secondsNow(), computer_.acting());
    if (net_.takeGameBuilt()) {
        ui_.closeJoinDialog();
        computer_.stop(host_);
        mind_.forgetGame();
        gameBuilt();
    }
    if (JoinDialog* join = ui_.joinDialog()) {
        join->found = net_.gamesFound();
        join->status = net_.joinStatus();
        join->joining = net_.joining();
        if (net_.active() && !net_.joining()) {
            ui_.closeJoinDialog();  // seated: the waiting box takes over
            net_.lookForGames(false);
        }
    }
    ui_.showWaitingBox(net_.waitingBox());
    if (net_.takeChanged()) {
        redraw_.pictureChanged();
    }
}

// Changes that come from the rules or the dialogs rather than from an event (the last shell
// landing, a message raised during a frame, a dialog closing) redraw too.
void Program::watchForChanges() {
    const std::array<bool, 4> now{gameExists_, world_.shotInProgress, ui_.modalOpen(),
                                  newGame_.active()};
    if (now != watched_) {
        watched_ = now;
        redraw_.pictureChanged();
    }
    redraw_.setShellsMoving(shellsMoving());
    redraw_.setComputerActing(computer_.acting());
    redraw_.setInputHeld(pads_.held() || ui_.padHeld());
}

// A game is on screen and no new-game dialog is up.
bool Program::gameReady() const {
    return gameExists_ && !world_.setupInProgress && !newGame_.active();
}

// Shells take their step in each drawn frame unless a dialog holds them.
bool Program::shellsMoving() const {
    return gameExists_ && !world_.setupInProgress && world_.shotInProgress && !ui_.modalOpen();
}

double Program::secondsNow() const {
    return static_cast<double>(counterNow()) / static_cast<double>(SDL_GetPerformanceFrequency());
}

InputGate Program::inputGate() const {
    InputGate gate;
    gate.gameExists = gameExists_ && !world_.setupInProgress;
    gate.shotInProgress = world_.shotInProgress;
    gate.modalOpen = ui_.modalOpen() || newGame_.active();
    gate.textFieldHasKeyboard = ui_.wantsKeyboard();
    gate.menuHasKeyboard = ui_.menuHasKeyboard();
    gate.computerPlays = ComputerTurn::playsCurrentTank(world_);
    gate.othersTurn = net_.active() && !net_.localTurn();
    return gate;
}

void Program::handleEvent(const SDL_Event& event) {
    if (canChangePicture(event)) {
        redraw_.pictureChanged();
    }
    ui_.processEvent(event);
    switch (event.type) {
        case SDL_QUIT:
            quit_ = true;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                quit_ = true;
            }
            break;
        case SDL_KEYDOWN:
            handleKey(event.key);
            break;
        case SDL_TEXTINPUT:
            handleText(event.text.text);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEMOTION:
            handleMouse(event);
            break;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION:
            handlePad(event);
            break;
        default:
            break;
    }
}

void Program::handleKey(const SDL_KeyboardEvent& key) {
    if (!inputGate().keyboardReachesGame()) {
        return;
    }
    move(Move::tank(actionForKey(keyFor(key.keysym.sym))));
}

void Program::handleText(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        // Checked per character: one text event may carry several, and the first may fire.
        if (!inputGate().keyboardReachesGame()) {
            return;
        }
        move(Move::tank(actionForCharacter(*c)));
    }
}

void Program::handleMouse(const SDL_Event& event) {
    // The menu, the panel and the dialogs keep their own mouse.
    if (ui_.wantsMouse()) {
        return;
    }
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        if (event.button.button == SDL_BUTTON_LEFT) {
            drag_.leftButtonDown(event.button.x, event.button.y);
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
            drag_.rightButtonDown(event.button.y);
        }
        return;
    }
    const bool left = (event.motion.state & SDL_BUTTON_LMASK) != 0;
    const bool right = (event.motion.state & SDL_BUTTON_RMASK) != 0;
    applyCameraDrag(camera_, drag_.motion(event.motion.x, event.motion.y, left, right));
}

void Program::handlePad(const SDL_Event& event) {
    // While the menu bar is open the buttons walk it, as the menu keys do; while a dialog is
    // open they walk the dialog. Either way they never reach the tank.
    const bool menuOpen = ui_.menuOpen();
    const bool toDialog = !menuOpen && ui_.dialogHasPads();
    const Gamepads::Outcome outcome = pads_.handleEvent(event, secondsNow(), menuOpen || toDialog);
    if (outcome.changed) {
        redraw_.pictureChanged();
    }
    if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        ui_.padGone(outcome.slot);
        return;
    }
    if (outcome.slot >= 0 && event.type != SDL_CONTROLLERAXISMOTION) {
        // Releases go to the dialogs whoever has the buttons now, so nothing stays held there.
        const std::optional<PadNav> nav = padDialogInput(outcome.button);
        if (nav && (toDialog || event.type == SDL_CONTROLLERBUTTONUP)) {
            ui_.padButton(outcome.slot, *nav, event.type == SDL_CONTROLLERBUTTONDOWN);
        }
        if (toDialog) {
            return;
        }
    }
    const std::optional<Key> key =
        outcome.pressed ? padMenuKey(*outcome.pressed, menuOpen) : std::nullopt;
    if (key) {
        ui_.pressMenuKey(*key);
    } else if (outcome.changed && outcome.slot >= 0) {
        // A button or stick for the game: like a game key, it ends the menu's hold on input
        // that choosing an item left.
        ui_.pressMenuKey(Key::Other);
    }
}

// The controllers' actions due now, through the keyboard's gate: while it is shut they are
// dropped, so a held stick does not burst out after a shot or a dialog.
void Program::applyPadActions() {
    std::optional<PadOwner> turn;
    if (const Player* player = world_.currentPlayer(); player != nullptr) {
        turn = PadOwner{world_.currentTeam->index, player->number};
    }
    for (const Gamepads::Due& due : pads_.take(secondsNow())) {
        if (!padMayAct(due.owner, turn)) {
            continue;
        }
        for (const TankAction action : due.actions) {
            // Checked per action: a fire ends the turn for the rest.
            if (!inputGate().keyboardReachesGame()) {
                break;
            }
            move(Move::tank(action));
        }
    }
}

void Program::drawScene(const PanelRect& client, const PanelRect& panel) {
    if (gameExists_ && !world_.setupInProgress && scene_ != nullptr) {
        // The opaque panel covers the view's lower rows: nothing is drawn there. The viewport
        // and projection stay the client area's, so the picture above stays the same.
        const int shown = std::clamp(panel.y - client.y, 0, client.height);
        // One tick of the rules, then the picture of it: while a dialog is open the shells
        // hold still.
        const SeenShells shells =
            ui_.modalOpen() ? shellsInFlight(world_) : updateShells(world_, host_);
        net_.afterTick();
        // A turn that passed in this tick is handed over before it is drawn.
        handOver_.update(world_, secondsNow(), camera_, view_.cameraCentre);
        const FrameView view{camera_, view_.cameraCentre, view_.polygonMode, view_.antialiasing,
                             shown};
        renderFrame(world_, *scene_, view, shells);
        return;
    }
    // No game yet: the window stays black behind the menu and dialogs.
    glPushAttrib(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPopAttrib();
}

void Program::drawFrame() {
    // Between frames: the fonts are rebuilt when the size changes.
    ui_.setInterfaceScale(
        interfaceScaleChosen(view_.interfaceSize, window_->displayInterfaceScale()));
    // Narrower, the status panel's buttons would be cut off.
    window_->keepWithinLimits(std::max(ui_.minimumWindowWidth(), 320), minimumWindowHeight);
    // On a joined machine the host's computer plays its seats; here only this machine's.
    const bool computerMayPlay = !net_.active() || net_.localTurn();
    computer_.update(
        static_cast<double>(counterNow()) / static_cast<double>(SDL_GetPerformanceFrequency()),
        gameReady() && computerMayPlay, ui_.modalOpen(), world_, host_);
    applyPadActions();
    // Controllers plugged in or pulled out show at once in their dialog.
    if (ControllersDialog* controllers = ui_.controllersDialog()) {
        for (int slot = 0; slot < Gamepads::slotCount; ++slot) {
            controllers->connected[static_cast<std::size_t>(slot)] = pads_.connected(slot);
        }
    }
    int width = 0;
    int height = 0;
    window_->drawableSize(width, height);

    ui_.beginFrame();
    const int command = ui_.drawMenuBar();
    const int menuHeight = std::min(ui_.menuBarHeight(), height);
    const PanelRect client{0, menuHeight, width, height - menuHeight};
    if (client.width != viewportWidth_ || client.height != viewportHeight_) {
        viewportWidth_ = client.width;
        viewportHeight_ = client.height;
        resizeViewport(client.width, client.height);
    }
    const PanelRect panel = placeStatusPanel(client, ui_.interfaceScale());
    drawScene(client, panel);

    int button = 0;
    if (gameExists_) {
        // Between a shot and the computer's next turn the buttons stay grey too.
        const bool enabled = host_.tankButtonsEnabled() &&
                             !ComputerTurn::playsCurrentTank(world_) &&
                             (!net_.active() || net_.localTurn());
        const std::string seated =
            net_.active() ? net_.whereSeated(currentSeat(world_)) : std::string();
        button = ui_.drawStatusPanel(world_, enabled, panel, seated);
        if (button != 0) {
            // The 3-D view gets the keyboard back after a click.
            ImGui::SetWindowFocus(nullptr);
        }
        if (gameReady()) {
            PanelRect view = client;
            view.height = std::max(0, client.height - statusPanelHeightAt(ui_.interfaceScale()));
            // Players at one keyboard read whose turn it is; at another machine, also where.
            const std::string banner = handOver_.banner(secondsNow());
            ui_.drawTurnBanner(banner.empty() ? banner : banner + seated, view);
        }
    }
    const ModalOutcome outcome = ui_.drawModals(world_, host_);
    ui_.endFrame();
    window_->swapBuffers();

    if (outcome == ModalOutcome::GameBuilt) {
        givePadsAsChosen();
        gameBuilt();
    }
    handleNetworkRequest(ui_.takeNetworkRequest());
    if (button != 0) {
        pressPanelButton(button);
    }
    if (command != 0) {
        runCommand(command);
    }
}

void Program::pressPanelButton(int buttonId) {
    redraw_.pictureChanged();
    if (world_.shotInProgress || ui_.modalOpen() || ComputerTurn::playsCurrentTank(world_)) {
        return;
    }
    move(Move::tank(actionForPanelButton(buttonId)));
}

void Program::move(const Move& m) {
    if (net_.active()) {
        net_.moveLocally(m);
    } else {
        applyMove(m, world_, host_);
    }
}

void Program::handleNetworkRequest(const Ui::NetworkRequest& request) {
    using Kind = Ui::NetworkRequest::Kind;
    std::string error;
    switch (request.kind) {
        case Kind::None:
            return;
        case Kind::Host:
            net_.stop();
            if (!net_.listen(request.port, error)) {
                host_.showMessage(error, networkCaption);
                return;
            }
            computer_.stop(host_);
            mind_.forgetGame();
            newGame_.offerNetworkSeats(true);
            newGame_.start();
            return;
        case Kind::Join:
            net_.stop();
            if (!net_.join(request.target, error)) {
                if (JoinDialog* join = ui_.joinDialog()) {
                    join->status = error;
                }
            }
            return;
        case Kind::CancelJoin:
            net_.stop();
            net_.lookForGames(false);
            return;
        case Kind::CancelWaiting:
            net_.leave(LeaveReason::NewGame);
            return;
        case Kind::Leave:
            net_.leave(request.commandId == ExitCommand ? LeaveReason::Exit : LeaveReason::NewGame);
            runCommand(request.commandId);
            return;
    }
}

void Program::gameBuilt() {
    if (net_.awaitingGame()) {
        newGame_.offerNetworkSeats(false);
        net_.openLobby(newGame_.networkSeats(), newGame_.builtFromSeed(), playerName());
    }
    resetCamera(camera_, world_.arena.halfSide);
    handOver_.forgetGame();
    if (!gameExists_) {
        gameExists_ = true;
        ui_.menu().setGameItemsEnabled(true);
    }
}

// The controllers the new game's players took are theirs alone; the others play for whoever has
// the turn, as the keyboard does.
void Program::givePadsAsChosen() {
    for (int slot = 0; slot < Gamepads::slotCount; ++slot) {
        pads_.assign(slot, std::nullopt);
    }
    for (const ControllerChoice& taken : newGame_.controllerChoices()) {
        pads_.assign(taken.slot, PadOwner{taken.team, taken.player});
    }
}

void Program::openControllers() {
    // A controller here can move only this machine's seats.
    ControllersDialog dialog(
        world_, [this](const Player& player) { return net_.playsHere(seatOf(world_, &player)); });
    for (int slot = 0; slot < Gamepads::slotCount; ++slot) {
        if (const std::optional<PadOwner> owner = pads_.owner(slot)) {
            dialog.giveTo(slot, owner->team, owner->player);
        }
    }
    ui_.openControllers(std::move(dialog), [this](const ControllersDialog& chosen) {
        for (int slot = 0; slot < Gamepads::slotCount; ++slot) {
            const int person = chosen.holder(slot);
            std::optional<PadOwner> owner;
            if (person >= 0) {
                const PadHolder& holder = chosen.people()[static_cast<std::size_t>(person)];
                owner = PadOwner{holder.team, holder.player};
            }
            pads_.assign(slot, owner);
        }
    });
}

void Program::runCommand(int commandId) {
    redraw_.pictureChanged();
    // Leaving a network game is asked first; the others are told.
    if ((commandId == NewGameCommand || commandId == ExitCommand) && net_.active()) {
        ui_.askToLeave(commandId == ExitCommand
                           ? "Leave the network game and exit? The other players will be told."
                           : "Leave the network game for a new game? The other players will be "
                             "told.",
                       commandId);
        return;
    }
    if (commandId == HostNetworkCommand) {
        ui_.openHostDialog(localAddresses());
        return;
    }
    if (commandId == JoinNetworkCommand) {
        net_.lookForGames(true);
        ui_.openJoinDialog(playerName());
        return;
    }
    switch (runMenuCommand(commandId, view_, ui_.menu(), glSwitches_)) {
        case ProgramRequest::None:
            break;
        case ProgramRequest::NewGame:
            computer_.stop(host_);
            mind_.forgetGame();
            newGame_.start();
            break;
        case ProgramRequest::Exit:
            computer_.stop(host_);
            quit_ = true;
            break;
        case ProgramRequest::Help:
            ui_.openHelp();
            break;
        case ProgramRequest::About:
            ui_.openAbout();
            break;
        case ProgramRequest::Website:
            SDL_OpenURL(websiteAddress);
            break;
        case ProgramRequest::Shields:
            // A computer player switches its own shields on.
            if (!ComputerTurn::playsCurrentTank(world_)) {
                ui_.openShields(world_, [this](int kind) { move(Move::shield(kind)); });
            }
            break;
        case ProgramRequest::Controllers:
            openControllers();
            break;
    }
}

int runProgram() {
    std::string failure;
    std::string reason;
    std::unique_ptr<PlatformWindow> window = PlatformWindow::create(windowTitle(), failure, reason);
    if (window == nullptr) {
        return reportStartupFailure(failure, reason);
    }
    Program program(std::move(window));
    if (!program.start()) {
        return reportStartupFailure("unable to create opengl rendering context", SDL_GetError());
    }
    program.run();
    return 0;
}
