// SPDX-License-Identifier: GPL-3.0-or-later
// Ui's bodies: ImGui set-up on SDL and OpenGL, key feeding, frames, and the menu, panel and
// modal dialogs it shows.
#include "ui/ui.h"

#include "combat/shields.h"
#include "game/new_game.h"
#include "render/bitmap_reader.h"
#include "render/texture_table.h"
#include "resources/asset_catalog.h"
#include "ui/key_tap_latch.h"
#include "ui/opaque_layer_cache.h"
#include "ui/views.h"

#include <SDL.h>
#include <imgui_impl_opengl2.h>
#include <imgui_impl_sdl.h>
#include <imgui_internal.h>

#include <GL/gl.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The scene binds its textures by fixed small names without generating them. Claiming those
// names first keeps ImGui's font texture (and ours) from being handed one of them.
void reserveSceneTextureNames() {
    GLint previous = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
    for (GLuint name = 1; name <= 16; ++name) {
        if (!glIsTexture(name)) {
            glBindTexture(GL_TEXTURE_2D, name);
        }
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
}

// The program icon for the About box; 0 when the picture is refused (the program said why
// when it set the window's icon from the same file).
GLuint loadIconTexture(const char* file) {
    BitmapResult<RgbImage> image = loadBitmap(file, maxIconSide);
    if (!image.ok()) {
        return 0;
    }
    // ImGui draws a texture's first row at the top.
    const RgbImage topDown = flipRows(image.value);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    GLint previous = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, RgbImage::rowAlignment);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, topDown.width, topDown.height, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, topDown.pixels.data());
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
    return texture;
}

// The camouflage texture the scene loaded, for a preview; 0 when it has no picture.
GLuint previewTexture(int camouflage) {
    const GLuint name = textureForCamouflage(camouflage);
    if (name == NoTexture || !glIsTexture(name)) {
        return 0;
    }
    GLint previous = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
    return width > 0 ? name : 0;
}

// Keys reach ImGui only between frames, so the io.KeyMods that NewFrame() derives from the
// modifier flags stays true for the whole frame. The flags follow the modifier keys ImGui has
// been told about, not SDL's live state, which may already be past a release still held back.
void feedKey(int scancode, bool down) {
    ImGuiIO& io = ImGui::GetIO();
    if (scancode < 0 || scancode >= IM_ARRAYSIZE(io.KeysDown)) {
        return;
    }
    io.KeysDown[scancode] = down;
    const auto either = [&io](SDL_Scancode left, SDL_Scancode right) {
        return io.KeysDown[left] || io.KeysDown[right];
    };
    io.KeyCtrl = either(SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL);
    io.KeyShift = either(SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT);
    io.KeyAlt = either(SDL_SCANCODE_LALT, SDL_SCANCODE_RALT);
    io.KeySuper = either(SDL_SCANCODE_LGUI, SDL_SCANCODE_RGUI);
}

}  // namespace

struct Ui::Impl {
    bool contextCreated = false;
    bool sdlBackend = false;
    bool glBackend = false;
    PanelFonts fonts;
    float scale = 1.0f;
    SDL_Window* window = nullptr;
    float menuBarHeight = 0.0f;
    unsigned messageSerial = 0;
    bool aboutOpen = false;
    GLuint aboutIcon = 0;
    bool aboutIconTried = false;
    std::optional<HelpViewerState> help;
    NewGameFlow* newGame = nullptr;
    // Tells one pending new-game dialog from the next, which may share its title.
    unsigned newGameSerial = 0;
    std::optional<ShieldsDialog> shields;
    unsigned shieldsSerial = 0;
    std::optional<ControllersDialog> controllers;
    std::function<void(const ControllersDialog&)> applyControllers;
    unsigned controllersSerial = 0;
    std::optional<HostDialog> hostDialog;
    std::optional<JoinDialog> joinDialog;
    std::optional<WaitingBox> waiting;
    std::optional<std::pair<std::string, int>> leaveQuestion;
    unsigned networkSerial = 0;
    NetworkRequest networkRequest;
    KeyTapLatch keyLatch;
    PadNavLatch padNav;
    MenuKeyboard menuKeys;
    int menuCommand = 0;
    // Where the window's own mouse events last put the pointer; none once it has left. The
    // SDL backend asks for the desktop-wide pointer instead, which SDL's X11 driver refreshes
    // only on XInput2 raw motion: synthetic input and some servers send none, so the menus
    // never saw the pointer move. The events always carry it.
    std::optional<ImVec2> pointer;
    bool pointerLeft = false;
    // The opaque backgrounds of this frame's menu bar and panel, painted before ImGui renders.
    std::vector<OpaqueFill> fills;
    // The menu bar's and panel's pixels as last drawn.
    OpaqueLayerCache layer;
};

Ui::Ui() : impl_(std::make_unique<Impl>()) {}

Ui::~Ui() {
    shutdown();
}

bool Ui::init(SDL_Window* window, void* glContext) {
    shutdown();
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    impl_->contextCreated = true;
    impl_->window = window;
    ImGuiIO& io = ImGui::GetIO();
    // No layout file: nothing is kept between runs.
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    applyStyle(impl_->scale);
    impl_->fonts = loadPanelFonts(*io.Fonts, messages_, impl_->scale);

    impl_->sdlBackend = ImGui_ImplSDL2_InitForOpenGL(window, glContext);
    if (!impl_->sdlBackend) {
        shutdown();
        return false;
    }
    reserveSceneTextureNames();
    impl_->glBackend = ImGui_ImplOpenGL2_Init();
    if (!impl_->glBackend) {
        shutdown();
        return false;
    }
    return true;
}

void Ui::applyStyle(float scale) {
    // Scaling is not undoable: a fresh style each time, so no rounding builds up.
    ImGui::GetStyle() = ImGuiStyle();
    ImGui::StyleColorsLight();
    ImGuiStyle& style = ImGui::GetStyle();
    style.WindowRounding = 0.0f;
    style.FrameBorderSize = 1.0f;
    if (scale != 1.0f) {
        style.ScaleAllSizes(scale);
    }
}

void Ui::setInterfaceScale(float scale) {
    if (scale == impl_->scale) {
        return;
    }
    impl_->scale = scale;
    if (!impl_->contextCreated) {
        return;
    }
    applyStyle(scale);
    // Fonts are rasterised at the new size rather than stretched, so they stay sharp.
    ImFontAtlas& atlas = *ImGui::GetIO().Fonts;
    if (impl_->glBackend) {
        impl_->layer.release();  // the new font texture may reuse the old one's name
        ImGui_ImplOpenGL2_DestroyFontsTexture();
    }
    atlas.Clear();
    MessageQueue ignored;  // a missing font was reported when the first size was loaded
    impl_->fonts = loadPanelFonts(atlas, ignored, scale);
    if (impl_->glBackend) {
        ImGui_ImplOpenGL2_CreateFontsTexture();
    }
}

float Ui::interfaceScale() const {
    return impl_->scale;
}

void Ui::shutdown() {
    if (!impl_) {
        return;
    }
    if (impl_->aboutIcon != 0) {
        glDeleteTextures(1, &impl_->aboutIcon);
    }
    if (impl_->glBackend) {
        ImGui_ImplOpenGL2_Shutdown();
    }
    if (impl_->sdlBackend) {
        ImGui_ImplSDL2_Shutdown();
    }
    if (impl_->contextCreated) {
        ImGui::DestroyContext();
    }
    const float scale = impl_->scale;  // chosen for the run, not for one context
    *impl_ = Impl{};
    impl_->scale = scale;
}

void Ui::processEvent(const SDL_Event& event) {
    if (!impl_->sdlBackend) {
        return;
    }
    if (modalOpen()) {
        impl_->menuKeys.reset();
    } else if (const int command = feedMenuKeyboard(impl_->menuKeys, menu_, event)) {
        impl_->menuCommand = command;
    }
    followPointer(event);
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
        const int key = event.key.keysym.scancode;
        // The new-game dialogs ignore Escape; their text fields would take it as "undo my
        // typing". A message box stacked over a dialog still closes with it.
        const bool setupDialogOnTop = impl_->newGame != nullptr && impl_->newGame->active() &&
                                      messages_.empty() && !impl_->aboutOpen;
        if (key == SDL_SCANCODE_ESCAPE && setupDialogOnTop) {
            return;
        }
        const bool down = event.type == SDL_KEYDOWN;
        if (!impl_->keyLatch.holdBack(key, down)) {
            feedKey(key, down);
        }
        return;
    }
    ImGui_ImplSDL2_ProcessEvent(&event);
}

bool Ui::wantsKeyboard() const {
    if (!impl_->contextCreated) {
        return false;
    }
    return ImGui::GetIO().WantCaptureKeyboard || (impl_->help && impl_->help->focused);
}

bool Ui::wantsMouse() const {
    return impl_->contextCreated && ImGui::GetIO().WantCaptureMouse;
}

std::optional<float> Ui::caretClock() const {
    if (!impl_->contextCreated || !ImGui::GetIO().ConfigInputTextCursorBlink) {
        return std::nullopt;
    }
    const ImGuiID active = ImGui::GetActiveID();
    const ImGuiInputTextState* field = active != 0 ? ImGui::GetInputTextState(active) : nullptr;
    if (field == nullptr) {
        return std::nullopt;
    }
    return field->CursorAnim;
}

void Ui::followPointer(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            impl_->pointer =
                ImVec2(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y));
            impl_->pointerLeft = false;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            impl_->pointer =
                ImVec2(static_cast<float>(event.button.x), static_cast<float>(event.button.y));
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_LEAVE) {
                impl_->pointerLeft = true;
            } else if (event.window.event == SDL_WINDOWEVENT_ENTER) {
                impl_->pointerLeft = false;
            }
            break;
        default:
            break;
    }
}

void Ui::beginFrame() {
    ImGui_ImplOpenGL2_NewFrame();
    ImGuiIO& io = ImGui::GetIO();
    // The SDL backend would open controller 0 itself and read it alone; every pad plays here, so
    // the flag it looks for is off while it runs and our inputs go in after it.
    io.ConfigFlags &= ~ImGuiConfigFlags_NavEnableGamepad;
    ImGui_ImplSDL2_NewFrame();
    feedPadNavigation();
    // Where the system scales windows the drawable has more pixels than the window has points.
    // The program lays out the panel and 3-D view in drawable pixels, so ImGui works in them too.
    ImVec2 pointScale(1.0f, 1.0f);
    int windowWidth = 0;
    int windowHeight = 0;
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GetWindowSize(impl_->window, &windowWidth, &windowHeight);
    SDL_GL_GetDrawableSize(impl_->window, &drawableWidth, &drawableHeight);
    if (windowWidth > 0 && windowHeight > 0 &&
        (drawableWidth != windowWidth || drawableHeight != windowHeight)) {
        pointScale = ImVec2(static_cast<float>(drawableWidth) / static_cast<float>(windowWidth),
                            static_cast<float>(drawableHeight) / static_cast<float>(windowHeight));
        io.DisplaySize =
            ImVec2(static_cast<float>(drawableWidth), static_cast<float>(drawableHeight));
        io.DisplayFramebufferScale = ImVec2(1.0f, 1.0f);
    }
    if (impl_->pointerLeft && !ImGui::IsAnyMouseDown()) {
        io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);  // nothing stays highlighted behind it
    } else if (impl_->pointer) {
        io.MousePos = ImVec2(impl_->pointer->x * pointScale.x, impl_->pointer->y * pointScale.y);
    }
    // While keys drive the menu the pointer resting on another title must not open it.
    if (impl_->menuKeys.keyboardDriven() && impl_->menuKeys.active()) {
        ImGui::GetIO().MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
    }
    ImGui::NewFrame();
    impl_->fills.clear();
}

void Ui::feedPadNavigation() {
    ImGuiIO& io = ImGui::GetIO();
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableGamepad;
    io.BackendFlags |= ImGuiBackendFlags_HasGamepad;
    const std::array<bool, PadNavLatch::inputCount> down = impl_->padNav.takeFrame();
    if (!dialogHasPads()) {
        return;  // the pads play the game, or walk the menu by its keys
    }
    constexpr std::pair<PadNav, ImGuiNavInput_> inputs[] = {
        {PadNav::Up, ImGuiNavInput_DpadUp},         {PadNav::Down, ImGuiNavInput_DpadDown},
        {PadNav::Left, ImGuiNavInput_DpadLeft},     {PadNav::Right, ImGuiNavInput_DpadRight},
        {PadNav::Activate, ImGuiNavInput_Activate}, {PadNav::Cancel, ImGuiNavInput_Cancel}};
    bool any = false;
    for (const auto& [pad, nav] : inputs) {
        const bool pressed = down[static_cast<std::size_t>(pad)];
        io.NavInputs[nav] = pressed ? 1.0f : 0.0f;
        any = any || pressed;
    }
    // After the mouse ImGui hides where the focus is and ignores A until the d-pad moves: a pad
    // shows it again, so A acts at its first press.
    if (any) {
        GImGui->NavDisableHighlight = false;
    }
}

bool Ui::dialogHasPads() const {
    return modalOpen() || (impl_->help && impl_->help->focused);
}

void Ui::padButton(int pad, PadNav which, bool down) {
    impl_->padNav.set(pad, which, down);
    if (!down || !dialogHasPads()) {
        return;
    }
    if (which == PadNav::Cancel || which == PadNav::Accept) {
        SDL_Event key{};
        key.key.keysym.scancode =
            which == PadNav::Cancel ? SDL_SCANCODE_ESCAPE : SDL_SCANCODE_RETURN;
        key.key.keysym.sym = SDL_GetKeyFromScancode(key.key.keysym.scancode);
        for (const Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            key.type = type;
            processEvent(key);
        }
    }
}

void Ui::padGone(int pad) {
    impl_->padNav.releaseAll(pad);
}

bool Ui::padHeld() const {
    return impl_->padNav.held() && dialogHasPads();
}

void Ui::endFrame() {
    ImGui::Render();
    impl_->layer.render(impl_->fills, *ImGui::GetDrawData());
    // This frame saw the quick taps down; the next one sees them up.
    for (const int key : impl_->keyLatch.releaseHeld()) {
        feedKey(key, false);
    }
}

int Ui::drawMenuBar() {
    if (modalOpen()) {
        impl_->menuKeys.reset();
    }
    const int clicked = drawMenuBarView(menu_, impl_->menuKeys, impl_->menuBarHeight, impl_->fills);
    const int chosen = std::exchange(impl_->menuCommand, 0);
    return clicked != 0 ? clicked : chosen;
}

bool Ui::menuHasKeyboard() const {
    return impl_->menuKeys.active() || impl_->menuKeys.tookLastKey();
}

bool Ui::pressMenuKey(Key key) {
    if (!impl_->sdlBackend || modalOpen()) {
        return false;
    }
    const MenuKeyboard::Outcome outcome = impl_->menuKeys.keyDown(menu_.dropDowns(), key);
    if (outcome.command != 0) {
        impl_->menuCommand = outcome.command;
    }
    return outcome.taken;
}

bool Ui::menuOpen() const {
    return impl_->menuKeys.active();
}

bool Ui::reusedOpaqueLayer() const {
    return impl_->layer.reusedLastFrame();
}

int Ui::menuBarHeight() const {
    return static_cast<int>(std::ceil(impl_->menuBarHeight));
}

int Ui::drawStatusPanel(const GameWorld& world, bool buttonsEnabled, const PanelRect& rect,
                        const std::string& seated) {
    return drawStatusPanelView(readStatusReadouts(world, seated), buttonsEnabled, rect,
                               impl_->fonts, impl_->fills);
}

void Ui::drawTurnBanner(const std::string& text, const PanelRect& view) {
    if (!text.empty()) {
        drawTurnBannerView(text, view, impl_->fonts);
    }
}

void Ui::openAbout() {
    impl_->aboutOpen = true;
}

void Ui::openHelp(const std::string& path) {
    HelpViewerState state;
    if (!loadHelpFile(path, state.document)) {
        messages_.push(helpFailedMessage(path), helpFailedCaption);
        return;
    }
    impl_->help = std::move(state);
}

void Ui::setNewGameFlow(NewGameFlow* flow) {
    impl_->newGame = flow;
}

void Ui::openShields(GameWorld& world, std::function<void(int kind)> switchOn) {
    impl_->shields.emplace(world);
    impl_->shields->switchOn = std::move(switchOn);
    ++impl_->shieldsSerial;
}

void Ui::openControllers(ControllersDialog dialog,
                         std::function<void(const ControllersDialog&)> apply) {
    impl_->controllers.emplace(std::move(dialog));
    impl_->applyControllers = std::move(apply);
    ++impl_->controllersSerial;
}

ControllersDialog* Ui::controllersDialog() {
    return impl_->controllers ? &*impl_->controllers : nullptr;
}

void Ui::openHostDialog(std::vector<std::string> localAddresses) {
    impl_->hostDialog.emplace(std::move(localAddresses));
    ++impl_->networkSerial;
}

void Ui::openJoinDialog(const std::string& proposedName) {
    impl_->joinDialog.emplace(proposedName);
    ++impl_->networkSerial;
}

JoinDialog* Ui::joinDialog() {
    return impl_->joinDialog ? &*impl_->joinDialog : nullptr;
}

void Ui::closeJoinDialog() {
    if (impl_->joinDialog) {
        impl_->joinDialog.reset();
        ++impl_->networkSerial;
    }
}

void Ui::showWaitingBox(std::optional<WaitingBox> box) {
    if (box.has_value() != impl_->waiting.has_value()) {
        ++impl_->networkSerial;
    }
    impl_->waiting = std::move(box);
}

void Ui::askToLeave(const std::string& question, int commandId) {
    impl_->leaveQuestion.emplace(question, commandId);
    ++impl_->networkSerial;
}

Ui::NetworkRequest Ui::takeNetworkRequest() {
    return std::exchange(impl_->networkRequest, NetworkRequest{});
}

// The network dialogs, one at a time; false when none is open.
bool Ui::drawNetworkModals(GameHost& host) {
    const ModalContext modal{messages_, impl_->messageSerial};
    Impl& s = *impl_;
    using Kind = NetworkRequest::Kind;
    if (s.leaveQuestion) {
        const NetworkChoice choice =
            drawLeaveQuestionView(s.leaveQuestion->first, s.networkSerial, modal);
        if (choice == NetworkChoice::Accept) {
            s.networkRequest = {Kind::Leave, 0, {}, s.leaveQuestion->second};
        }
        if (choice != NetworkChoice::None) {
            s.leaveQuestion.reset();
            ++s.networkSerial;
        }
        return true;
    }
    if (s.hostDialog) {
        std::optional<std::uint16_t> port;
        const NetworkChoice choice = drawHostDialogView(
            *s.hostDialog, s.networkSerial,
            [&] { return (port = s.hostDialog->ok(host)).has_value(); }, modal);
        if (choice == NetworkChoice::Accept) {
            s.networkRequest = {Kind::Host, *port, {}, 0};
        }
        if (choice != NetworkChoice::None) {
            s.hostDialog.reset();
            ++s.networkSerial;
        }
        return true;
    }
    if (s.joinDialog) {
        std::optional<JoinDialog::Target> target;
        const NetworkChoice choice = drawJoinDialogView(
            *s.joinDialog, s.networkSerial,
            [&] { return (target = s.joinDialog->ok(host)).has_value(); }, modal);
        if (choice == NetworkChoice::Accept) {
            s.networkRequest = {Kind::Join, 0, *target, 0};
        } else if (choice == NetworkChoice::Cancel) {
            s.networkRequest = {Kind::CancelJoin, 0, {}, 0};
            s.joinDialog.reset();
            ++s.networkSerial;
        }
        return true;
    }
    if (s.waiting) {
        if (drawWaitingBoxView(*s.waiting, s.networkSerial, modal) == NetworkChoice::Cancel) {
            s.networkRequest = {Kind::CancelWaiting, 0, {}, 0};
            s.waiting.reset();
            ++s.networkSerial;
        }
        return true;
    }
    return false;
}

ModalOutcome Ui::drawModals(GameWorld& /*world*/, GameHost& host) {
    if (impl_->help && !drawHelpViewerView(*impl_->help)) {
        impl_->help.reset();
    }
    const ModalContext modal{messages_, impl_->messageSerial};
    ModalOutcome outcome = ModalOutcome::None;

    if (NewGameFlow* flow = impl_->newGame; flow != nullptr && flow->active()) {
        const auto ok = [flow, &outcome] {
            const NewGameFlow::OkResult result = flow->pressOk();
            if (result == NewGameFlow::OkResult::GameBuilt) {
                outcome = ModalOutcome::GameBuilt;
            }
            return result != NewGameFlow::OkResult::Rejected;
        };
        const unsigned serial = impl_->newGameSerial;
        bool stillOpen = true;
        if (TeamDialog* team = flow->teamDialog()) {
            stillOpen = drawTeamDialogView(*team, serial, ok, modal);
        } else if (PlayerDialog* player = flow->playerDialog()) {
            std::array<unsigned, 5> previews{};
            for (std::size_t i = 0; i < camouflages.size(); ++i) {
                previews[i] = previewTexture(camouflages[i].id);
            }
            stillOpen = drawPlayerDialogView(*player, serial, ok, previews, modal);
        } else if (ArenaSizeDialog* arena = flow->arenaSizeDialog()) {
            stillOpen = drawArenaSizeDialogView(*arena, serial, ok, modal);
        }
        // The next dialog the flow opens is a fresh popup, even when its title repeats.
        if (!stillOpen) {
            ++impl_->newGameSerial;
        }
        return outcome;
    }
    if (drawNetworkModals(host)) {
        return outcome;
    }
    if (impl_->shields) {
        if (!drawShieldsDialogView(*impl_->shields, impl_->shieldsSerial, modal)) {
            impl_->shields.reset();
        }
        return outcome;
    }
    if (impl_->controllers) {
        bool accepted = false;
        if (!drawControllersDialogView(*impl_->controllers, impl_->controllersSerial, accepted,
                                       modal)) {
            if (accepted && impl_->applyControllers) {
                impl_->applyControllers(*impl_->controllers);
            }
            impl_->controllers.reset();
        }
        return outcome;
    }
    if (impl_->aboutOpen) {
        if (!impl_->aboutIconTried) {
            impl_->aboutIcon = loadIconTexture(largeIconFile);
            impl_->aboutIconTried = true;
        }
        impl_->aboutOpen = drawAboutBoxView(impl_->aboutIcon, messages_, impl_->messageSerial);
        return outcome;
    }
    drawMessageBoxView(messages_, impl_->messageSerial);
    return outcome;
}

int Ui::minimumWindowWidth() const {
    return impl_->contextCreated ? statusPanelWidthNeeded(impl_->fonts) : 0;
}

bool Ui::modalOpen() const {
    const bool newGame = impl_->newGame != nullptr && impl_->newGame->active();
    const bool network =
        impl_->hostDialog || impl_->joinDialog || impl_->waiting || impl_->leaveQuestion;
    return newGame || network || impl_->shields.has_value() || impl_->controllers.has_value() ||
           impl_->aboutOpen || !messages_.empty();
}
