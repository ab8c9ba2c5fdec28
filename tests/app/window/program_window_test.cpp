// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a real window under a private X server, stepped frame by frame: what it
// draws is read back as pixels and as ImGui draw data, input takes the loop's own paths.
#include "app/program.h"

#include <GL/gl.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include "render/texture_table.h"
#include "tests/golden.h"
#include "tests/render/bitmap_test_files.h"
#include "ui/help_text.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Every frame the program presents is read back here, from the back buffer, instead of being
// shown: this definition stands in for SDL's in the test program.
std::vector<unsigned char> shownFrame;
int shownWidth = 0;
int shownHeight = 0;
std::atomic<int> framesShown{0};
// Run after each frame shown, on the program's thread: a test of the program's own loop may
// end it there.
std::function<void()> afterFrame;

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    ++framesShown;
    if (afterFrame)
        afterFrame();
    SDL_GL_GetDrawableSize(window, &shownWidth, &shownHeight);
    shownFrame.resize(static_cast<std::size_t>(shownWidth * shownHeight * 3));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, shownWidth, shownHeight, GL_RGB, GL_UNSIGNED_BYTE, shownFrame.data());
}

namespace {

struct ProgramWindow : ::testing::Test {
    std::string failure;
    Program program{PlatformWindow::create("test", failure)};

    void SetUp() override {
        ASSERT_TRUE(program.start()) << failure;
        // Every shape a fan of triangles in the draw data; a caret that does not blink, keys that
        // do not repeat however slow a frame.
        ImGui::GetStyle().AntiAliasedLines = ImGui::GetStyle().AntiAliasedFill = false;
        ImGui::GetIO().ConfigInputTextCursorBlink = false;
        ImGui::GetIO().KeyRepeatDelay = 1e9f;
        pointAt(400, 300);
    }

    void frames(int count = 1) {
        for (int i = 0; i < count; ++i) {
            SDL_Event event;
            while (SDL_PollEvent(&event))
                program.handleEvent(event);
            program.drawFrame();
        }
    }
    void send(SDL_Event event) {
        program.handleEvent(event);
        frames();
    }
    // A press, a frame, the release, a frame, and two more to settle.
    void tap(SDL_Event event, Uint32 release) {
        send(event);
        event.type = release;
        send(event);
        frames(2);
    }
    static SDL_Event keyEvent(SDL_Keycode sym, Uint32 type = SDL_KEYDOWN) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym = {SDL_GetScancodeFromKey(sym), sym, 0, 0};
        return event;
    }
    void key(SDL_Keycode sym) { tap(keyEvent(sym), SDL_KEYUP); }
    static SDL_Event textEvent(const char* characters) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        std::snprintf(event.text.text, sizeof event.text.text, "%s", characters);
        return event;
    }
    void text(const char* characters) { send(textEvent(characters)); }
    void pointAt(int x, int y) {
        SDL_WarpMouseInWindow(SDL_GL_GetCurrentWindow(), x, y);
        frames(2);
    }
    // The pointer moved as the window system tells it, by an event alone: no warp.
    void moveTo(int x, int y) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = x;
        event.motion.y = y;
        send(event);
        frames();  // a submenu opened by hovering shows from the next frame on
    }
    void click(int x, int y) {
        pointAt(x, y);
        SDL_Event event{};
        event.type = SDL_MOUSEBUTTONDOWN;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = x;
        event.button.y = y;
        tap(event, SDL_MOUSEBUTTONUP);
    }
    unsigned pixel(int x, int y) {
        const unsigned char* p =
            &shownFrame[std::size_t((shownHeight - 1 - y) * shownWidth + x) * 3];
        return unsigned(p[0]) << 16 | unsigned(p[1]) << 8 | p[2];
    }
};

// The status panel (or the window whose name starts with `owner`, with its child windows) as
// drawn, in drawing order: a line per text run (its origin, width and text) and per filled shape
// (bounding box, to whole pixels; a "box" is a quad, else the triangles are counted; a picture
// names its texture and uv corners). Pieces of one colour drawn in a row (an outline, a circle)
// make one shape. Colours are RGB, with alpha when not opaque. Glyphs are told apart by their
// place in the font atlas; spaces draw nothing.
// A coordinate to whole pixels. Antialiased edges lie half a pixel out, computed with the
// processor's approximate inverse square root, which differs in its last bits between makes of
// processor: snapped to 1/64 first, such an edge rounds the same way everywhere, and a zero
// never shows a sign.
std::string whole(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", std::round(v * 64.0f) / 64.0f);
    return std::string(text) == "-0" ? "0" : text;
}

std::vector<std::string> drawing(const std::string& owner = "##StatusPanel") {
    std::map<std::pair<float, float>, std::pair<int, const ImFontGlyph*>> atlas;
    const ImVector<ImFont*>& fonts = ImGui::GetIO().Fonts->Fonts;
    for (int f = 0; f < fonts.Size; ++f) {
        for (const ImFontGlyph& g : fonts[f]->Glyphs)
            atlas.emplace(std::make_pair(g.U0, g.V0), std::make_pair(f, &g));
    }
    std::vector<std::string> lines;
    std::string shape, run, text;  // what the last line shows: a shape's colour, a run's font
    ImVec2 low, high, runAt;
    unsigned triangles = 0;
    float runEnd = 0.0f;
    char line[256];
    const ImDrawData* data = ImGui::GetDrawData();
    for (int l = 0; l < data->CmdListsCount; ++l) {
        const ImDrawList* list = data->CmdLists[l];
        const auto index = [list](unsigned i) { return list->IdxBuffer[int(i)]; };
        for (const ImDrawCmd& cmd : list->CmdBuffer) {
            const unsigned end = cmd.IdxOffset + cmd.ElemCount;
            for (unsigned i = cmd.IdxOffset, next = i + 3; next <= end; i = next, next += 3) {
                // Triangles fanned around one vertex make one piece: a quad, a glyph, a circle.
                while (next < end && index(next) == index(i) && index(next + 1) == index(next - 1))
                    next += 3;
                const ImDrawVert& a = list->VtxBuffer[int(cmd.VtxOffset + index(i))];
                const ImDrawVert& c = list->VtxBuffer[int(cmd.VtxOffset + index(i + 2))];
                const unsigned alpha = a.col >> 24;
                // Left out: other windows, what is invisible, the fading dimming behind a modal.
                if (std::string(list->_OwnerName).rfind(owner, 0) != 0 || alpha == 0 ||
                    (a.pos.x == 0.0f && a.pos.y == 0.0f && alpha < 255 &&
                     c.pos.x == ImGui::GetIO().DisplaySize.x)) {
                    continue;
                }
                const unsigned rgb = (a.col & 0xFF) << 16 | (a.col & 0xFF00) | (a.col >> 16 & 0xFF);
                std::snprintf(line, sizeof line, alpha == 255 ? "%06X" : "%06X/%u", rgb, alpha);
                std::string colour = line;
                const auto found = atlas.find({a.uv.x, a.uv.y});
                if (cmd.TextureId != ImGui::GetIO().Fonts->TexID) {
                    std::snprintf(line, sizeof line, " texture %u uv %g,%g %g,%g",
                                  unsigned(std::uintptr_t(cmd.TextureId)), a.uv.x, a.uv.y, c.uv.x,
                                  c.uv.y);
                    colour += line;
                } else if (next - i == 6 && found != atlas.end()) {
                    const ImFontGlyph& g = *found->second.second;
                    const ImFont* font = fonts[found->second.first];
                    const std::string head =
                        "text " + colour + " font" + std::to_string(found->second.first);
                    const ImVec2 at(a.pos.x - g.X0, a.pos.y - g.Y0);
                    if (head != run || at.x < runEnd || at.x > runEnd + font->FontSize) {
                        run = head;
                        text.clear();
                        runAt = at;
                        lines.emplace_back();
                    }
                    char utf8[5];
                    text += ImTextCharToUtf8(utf8, g.Codepoint);
                    runEnd = at.x + g.AdvanceX;
                    std::snprintf(line, sizeof line, "%s %g,%g %g %s", head.c_str(), runAt.x,
                                  runAt.y, runEnd - runAt.x, text.c_str());
                    lines.back() = line;
                    shape.clear();
                    continue;
                }
                if (shape == colour) {
                    lines.pop_back();
                } else {
                    low = high = a.pos;
                    triangles = 0;
                }
                for (unsigned k = i; k < next; ++k) {
                    const ImVec2 p = list->VtxBuffer[int(cmd.VtxOffset + index(k))].pos;
                    low = ImVec2(std::min(low.x, p.x), std::min(low.y, p.y));
                    high = ImVec2(std::max(high.x, p.x), std::max(high.y, p.y));
                }
                triangles += (next - i) / 3;
                const std::string kind =
                    triangles == 2 ? "box" : "shape" + std::to_string(triangles);
                std::snprintf(line, sizeof line, "%s %s %s,%s %sx%s", kind.c_str(), colour.c_str(),
                              whole(low.x).c_str(), whole(low.y).c_str(),
                              whole(high.x - low.x).c_str(), whole(high.y - low.y).c_str());
                lines.emplace_back(line);
                shape = colour;
                run.clear();
            }
        }
    }
    return lines;
}

// Compares the drawing with the reviewed one in data/<name>.txt.
void expectDrawing(const std::string& name, const std::string& owner = "##StatusPanel") {
    std::string drawn;
    for (const std::string& line : drawing(owner))
        drawn += line + "\n";
    expectAsReviewed(KRELLMONT_WINDOW_TEST_DATA "/" + name + ".txt", drawn);
}

// Every dialog the player meets, in the order of a first game, the panel, boxes and a menu, as
// reviewed; what reaches the screen.
TEST_F(ProgramWindow, DialogsAndPanelDrawTheirReviewedLayouts) {
    // Before the first game: black behind the menu bar, whose game commands are greyed.
    frames(1);
    EXPECT_EQ(pixel(900, 600), 0x000000u);
    EXPECT_FALSE(program.ui().menu().isEnabled(WireframeCommand));
    program.runCommand(NewGameCommand);
    frames(2);
    // Over the selected proposal, cut at 23 bytes; Greek, Cyrillic and accented letters show.
    text("Ωmega##Жuk ő Armour Brigade");
    key(SDLK_ESCAPE);  // the dialogs ignore it: what was typed stays
    key(SDLK_TAB);
    text("2");
    expectDrawing("team_dialog", "Select Team");
    key(SDLK_RETURN);
    text("Zoë 2");  // over the proposed name
    key(SDLK_TAB);
    text("2x");  // the count takes a letter, for OK to refuse
    expectDrawing("player_dialog", "Select player");
    key(SDLK_RETURN);  // refused: the message stacks over the dialog
    expectDrawing("message_box", "Invalid values in dialog");
    key(SDLK_RETURN);
    text("2");  // the field has the keyboard again
    // Accepted as proposed: team A's second player, team B, its player.
    for (int dialog = 0; dialog < 3; ++dialog)
        key(SDLK_RETURN);
    // Alt let go before the frame that sees C still picks Computer, and C is not typed.
    send(keyEvent(SDLK_LALT));
    expectDrawing("player_dialog_alt", "Select player");  // each choice's letter underlined
    program.handleEvent(keyEvent(SDLK_LALT, SDL_KEYUP));
    program.handleEvent(keyEvent(SDLK_c));
    text("c");
    send(keyEvent(SDLK_c, SDL_KEYUP));
    const auto altLetter = [&](SDL_Keycode letter) {
        send(keyEvent(SDLK_LALT));
        program.handleEvent(keyEvent(letter));
        const char typed[] = {static_cast<char>(letter), '\0'};
        text(typed);
        send(keyEvent(letter, SDL_KEYUP));
        send(keyEvent(SDLK_LALT, SDL_KEYUP));
    };
    click(337, 395);  // Easy by the mouse, then Hard by its letter with Alt
    altLetter(SDLK_h);
    pointAt(483, 395);  // where the reviewed drawing has the pointer
    expectDrawing("player_dialog_computer_hard", "Select player");
    const std::vector<std::string> hard = drawing("Select player");
    altLetter(SDLK_p);  // played by a person: the levels go grey
    EXPECT_NE(drawing("Select player"), hard);
    altLetter(SDLK_c);  // the computer again, at the level it had
    EXPECT_EQ(drawing("Select player"), hard);
    key(SDLK_RETURN);
    text("2x5-0.");  // only the digits get in
    expectDrawing("arena_dialog", "Select size of area");
    key(SDLK_RETURN);
    expectDrawing("status_panel");
    EXPECT_EQ(pixel(100, 530), 0xC0C0C0u);  // the panel as drawn
    EXPECT_EQ(pixel(400, 300), 0x807149u);  // the arena's floor
    const std::vector<unsigned char> still = shownFrame;
    pointAt(300, 100);  // moved without a button, the pointer leaves the view alone
    pointAt(500, 450);
    EXPECT_TRUE(shownFrame == still);
    // A drag moves the eye (right) or turns the view (left) from where the button went down:
    // back there, the view is as it was.
    for (const int button : {SDL_BUTTON_RIGHT, SDL_BUTTON_LEFT}) {
        SDL_Event drag{};
        drag.button = {SDL_MOUSEBUTTONDOWN, 0, 0, 0, Uint8(button), SDL_PRESSED, 1, 0, 300, 450};
        send(drag);
        for (int y : {410, 450}) {
            drag.motion = {SDL_MOUSEMOTION, 0, 0, 0, SDL_BUTTON(button), 300, y, 0, 0};
            send(drag);
            EXPECT_EQ(shownFrame == still, y == 450) << button << " " << y;
        }
    }
    // Keys and letters reach the tank only while no dialog or viewer has them.
    Tank& tank = *program.world().currentTank();
    const auto tryKeys = [&] {
        key(SDLK_UP);
        text("w");
        return std::to_string(tank.elevation) + " " + std::to_string(tank.mileage);
    };
    EXPECT_EQ(tryKeys(), "-46 1");
    click(656, 551);  // Raise, which leaves the keys to the game
    EXPECT_EQ(tryKeys(), "-48 2");
    // Shields: Escape leaves them, OK switches the kind chosen on.
    tank.mediumShields = 2;
    tank.strongShields = 1;
    for (SDL_Keycode close : {SDLK_ESCAPE, SDLK_RETURN}) {
        program.runCommand(ShieldsCommand);
        frames(2);
        click(280, 245);                                     // Activate shield
        expectDrawing("shields_dialog", "Activate Shield");  // Escape changed nothing
        click(289, 329);                                     // Strong
        key(close);
        EXPECT_FALSE(program.ui().modalOpen());
    }
    EXPECT_TRUE(tank.shieldActive && tank.shieldKind == 2 && tank.strongShields == 0);  // Strong
    program.runCommand(HelpCommand);
    frames(2);
    expectDrawing("help_contents", "Krellmont Help/##contents");
    EXPECT_EQ(tryKeys(), "-48 2");
    click(5, 300);  // the 3-D view beside the help viewer takes the keys back
    EXPECT_EQ(tryKeys(), "-49 3");
    EXPECT_FALSE(drawing("Krellmont Help").empty());
    click(400, 200);  // back in the viewer, Escape closes it as its close box does
    key(SDLK_ESCAPE);
    EXPECT_TRUE(drawing("Krellmont Help").empty());
    // Each message box takes one key, the About box under them no Escape; none fires.
    for (const char* text : {"first", "second", "third"})
        program.ui().messages().push(text, "Game Over");
    program.runCommand(AboutCommand);
    frames(2);
    std::string left;
    for (SDL_Keycode sym : {SDLK_RETURN, SDLK_ESCAPE, SDLK_RETURN, SDLK_ESCAPE}) {
        key(sym);
        left += std::to_string(program.ui().messages().size()) +
                (program.ui().modalOpen() ? "m " : " ");
    }
    EXPECT_EQ(left, "2m 1m 0m 0m ");
    expectDrawing("about_box", "About");
    EXPECT_EQ(pixel(157, 263), 0x588034u);  // the icon's picture, upright
    key(SDLK_RETURN);
    EXPECT_FALSE(program.ui().modalOpen() || program.world().shotInProgress);
    click(261, 569);  // Shoot; while the shell flies keys and buttons do nothing
    ASSERT_TRUE(program.world().shotInProgress);
    EXPECT_TRUE(Mix_Playing(0)) << "the cannon is heard";
    click(656, 551);                // Raise
    EXPECT_EQ(tryKeys(), "-49 0");  // the shot starts a new mileage
    expectDrawing("status_panel_greyed");
    // Resting on a title highlights it; once the pointer has left the window nothing is.
    const auto titleHighlighted = [&] {
        const std::vector<std::string> bar = drawing("##MainMenuBar");
        return std::count_if(bar.begin(), bar.end(), [](const std::string& line) {
            return line.rfind("box 4296FA", 0) == 0;
        });
    };
    moveTo(185, 9);
    EXPECT_EQ(titleHighlighted(), 1) << "Help under the pointer";
    SDL_Event leave{};
    leave.type = SDL_WINDOWEVENT;
    leave.window.event = SDL_WINDOWEVENT_LEAVE;
    send(leave);
    EXPECT_EQ(titleHighlighted(), 0) << "the pointer has left";
    click(60, 9);
    moveTo(100, 31);  // motion alone opens Set PolygonMode, whose commands a game enables
    expectDrawing("options_menu", "##Menu_0");
    expectDrawing("menu_bar_by_mouse", "##MainMenuBar");  // no letter underlined
    moveTo(20, 9);       // with a menu open, File opens under the pointer
    key(SDLK_PAGEDOWN);  // not a letter, though its code ends in New Game's
    int exitY = 0;       // Exit's row, wherever the items above it put it
    for (const std::string& line : drawing("##Menu_0")) {
        if (line.size() > 5 && line.compare(line.size() - 5, 5, " Exit") == 0)
            std::sscanf(line.c_str(), "text %*s %*s %*d,%d", &exitY);
    }
    ASSERT_GT(exitY, 21) << "File shows Exit";
    click(30, exitY + 5);
    EXPECT_TRUE(program.quitting());
    // A box open while the window changes size moves to the middle of the new size.
    program.ui().messages().push("Game Over", "Game Over");
    frames(2);
    // Narrower than the status panel needs, the window is kept as wide as the panel.
    SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 640, 480);
    frames(2);
    int width = 0, height = 0;
    SDL_GetWindowSize(SDL_GL_GetCurrentWindow(), &width, &height);
    EXPECT_EQ(width, program.ui().minimumWindowWidth());
    EXPECT_EQ(width, 761);  // the right end of the cannon's ClkWse button at full power
    EXPECT_EQ(drawing("Game Over").at(0), "box FFFFFF/250 270,214 220x72");
    EXPECT_EQ(pixel(480, 200), 0xD1D1D1u);  // its caption bar
    key(SDLK_RETURN);
    send(keyEvent(SDLK_LALT));  // held, it underlines the menu titles' letters
    expectDrawing("menu_bar_with_alt", "##MainMenuBar");
    key(SDLK_F10);
    key(SDLK_DOWN);
    expectDrawing("file_menu_by_keys", "##Menu_0");
    key(SDLK_RIGHT);  // a menu whose items have no letters underlines none
    expectDrawing("options_menu_by_keys", "##Menu_0");
    SDL_Event away{SDL_WINDOWEVENT};
    away.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    send(away);                                  // the menu lets the keyboard go with the focus
    EXPECT_EQ(drawing("##Menu_0").size(), 10u);  // no item highlighted
}

// The program's own loop draws, and ends with status 0 when the window is closed (once a frame
// is shown, or after three seconds).
TEST(RunProgram, DrawsUntilTheWindowCloses) {
    framesShown = 0;
    const auto closeOnceShown = [](Uint32 interval, void*) {
        static int ticks = 0;
        if (framesShown > 0 || ++ticks > 30) {
            SDL_Event close{SDL_WINDOWEVENT};
            close.window.event = SDL_WINDOWEVENT_CLOSE;
            SDL_PushEvent(&close);
        }
        return interval;
    };
    const SDL_TimerID timer = SDL_AddTimer(100, closeOnceShown, nullptr);
    EXPECT_EQ(runProgram(), 0);
    SDL_RemoveTimer(timer);
    EXPECT_GT(framesShown, 0);
}

// With no input at all, the program's own loop draws every paced frame of a volley: the rules'
// own changes (a shot under way, shells in flight) reach the redraw policy.
TEST_F(ProgramWindow, ItsLoopDrawsAVolleyWithoutInput) {
    program.runCommand(NewGameCommand);
    frames(2);
    for (int dialog = 0; dialog < 8 && program.world().setupInProgress; ++dialog)
        key(SDLK_RETURN);
    for (int step = 0; step < 20; ++step) {
        key(SDLK_UP);      // high,
        key(SDLK_PAGEUP);  // and strong: over a second in the air
    }
    key(SDLK_RETURN);
    ASSERT_TRUE(program.world().shotInProgress);
    const int before = framesShown;
    const SDL_TimerID timer = SDL_AddTimer(
        500,
        [](Uint32, void*) -> Uint32 {
            SDL_Event quit{SDL_QUIT};
            SDL_PushEvent(&quit);
            return 0;
        },
        nullptr);
    program.run();
    SDL_RemoveTimer(timer);
    EXPECT_GT(framesShown - before, 20) << "frames in half a second of flight";
}

struct RunCommand : ProgramWindow, ::testing::WithParamInterface<std::pair<int, const char*>> {};

// The check marks (Wireframe, Solid, Texture, Arena, current Tank, antialiasing Polygons), the
// GL state and the About box's pieces each command leaves, run where neither the help file nor
// the About box's icon is found (both read when first needed): the box shows no picture.
TEST_P(RunCommand, LeavesTheProgramInItsState) {
    const std::filesystem::path runFolder = std::filesystem::current_path();
    std::filesystem::current_path(testing::TempDir());
    program.runCommand(GetParam().first);
    frames(3);
    std::filesystem::current_path(runFolder);
    std::string checked;
    for (int id : {WireframeCommand, SolidShadingCommand, TextureMappingCommand,
                   CenterOfArenaCommand, CurrentTankCommand, AntialiasingCommand}) {
        checked += program.ui().menu().isChecked(id) ? "WSTATP"[checked.size()] : '-';
    }
    GLint mode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    char state[96];
    std::snprintf(state, sizeof state, "quit %d modal %d keys %d %s lines %d texture %d about %zu",
                  program.quitting(), program.ui().modalOpen(), program.ui().wantsKeyboard(),
                  checked.c_str(), mode[0] == GL_LINE, glIsEnabled(GL_TEXTURE_2D),
                  drawing("About").size());
    EXPECT_STREQ(state, GetParam().second);
}
INSTANTIATE_TEST_SUITE_P(
    Each, RunCommand,
    ::testing::Values(
        std::pair{ExitCommand, "quit 1 modal 0 keys 0 --T-T- lines 0 texture 1 about 0"},
        std::pair{NewGameCommand, "quit 0 modal 1 keys 1 --T-T- lines 0 texture 1 about 0"},
        std::pair{AboutCommand, "quit 0 modal 1 keys 1 --T-T- lines 0 texture 1 about 12"},
        std::pair{ShieldsCommand, "quit 0 modal 1 keys 1 --T-T- lines 0 texture 1 about 0"},
        std::pair{HelpCommand, "quit 0 modal 1 keys 1 --T-T- lines 0 texture 1 about 0"},
        std::pair{WireframeCommand, "quit 0 modal 0 keys 0 W---T- lines 1 texture 0 about 0"},
        std::pair{SolidShadingCommand, "quit 0 modal 0 keys 0 -S--T- lines 0 texture 0 about 0"},
        std::pair{CenterOfArenaCommand, "quit 0 modal 0 keys 0 --TA-- lines 0 texture 1 about 0"},
        std::pair{AntialiasingCommand, "quit 0 modal 0 keys 0 --T-TP lines 0 texture 1 about 0"},
        std::pair{0, "quit 0 modal 0 keys 0 --T-T- lines 0 texture 1 about 0"}));

// Synthetic typing (auto-type, remote desktops, xdotool) can press and release a key, Shift
// and Ctrl among them, several times between two frames. Every text field of the new-game
// dialogs and a volley in flight take such bursts; the program must go on to the end.
TEST_F(ProgramWindow, KeyStormsWithModifiersInEveryFieldAndDuringAVolley) {
    const SDL_Keycode keys[] = {SDLK_LSHIFT,    SDLK_LCTRL, SDLK_LALT, SDLK_a, SDLK_1,
                                SDLK_BACKSPACE, SDLK_LEFT,  SDLK_HOME, SDLK_z};
    const SDL_Keymod mods[] = {KMOD_LSHIFT, KMOD_LCTRL, KMOD_LALT};
    unsigned seed = 9;
    const auto burst = [&] {
        for (int event = 0; event < 24; ++event) {
            seed = seed * 1103515245u + 12345u;
            const unsigned k = (seed >> 16) % 9;
            // SDL keeps the modifier state itself when real keys arrive; these do not.
            SDL_SetModState(k < 3 ? mods[k] : KMOD_NONE);
            program.handleEvent(keyEvent(keys[k]));
            if (k == 3 || k == 8)
                program.handleEvent(textEvent(k == 3 ? "A" : "z"));
            SDL_SetModState(KMOD_NONE);
            program.handleEvent(keyEvent(keys[k], SDL_KEYUP));
            frames(event % 6 == 5 ? 1 : 0);
        }
        frames(2);
    };
    program.runCommand(NewGameCommand);
    for (int dialog = 0; dialog < 20 && program.world().setupInProgress; ++dialog) {
        frames(2);
        burst();
        // Whatever the storm typed, Enter moves on or raises a message that the next round closes.
        key(SDLK_RETURN);
    }
    ASSERT_NE(program.world().currentTank(), nullptr);
    key(SDLK_RETURN);
    for (int i = 0; i < 40 && program.world().shotInProgress; ++i)
        burst();
    EXPECT_FALSE(program.world().shotInProgress);  // the volley ended under the storms
}

// A standard gamepad made by SDL's virtual joystick driver: its buttons and axes are SDL's
// game controller ones in order. The program sees it plugged in and opens it as players do.
struct VirtualPad {
    SDL_Joystick* joystick = nullptr;
    SDL_JoystickID id = -1;

    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "test pad";
        const int device = SDL_JoystickAttachVirtualEx(&desc);
        joystick = SDL_JoystickOpen(device);
        id = SDL_JoystickInstanceID(joystick);
    }
    ~VirtualPad() { unplug(); }
    void unplug() {
        if (joystick == nullptr)
            return;
        SDL_JoystickClose(joystick);
        joystick = nullptr;
        for (int device = 0; device < SDL_NumJoysticks(); ++device) {
            if (SDL_JoystickGetDeviceInstanceID(device) == id)
                SDL_JoystickDetachVirtual(device);
        }
    }
    void button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0);
    }
    void axis(SDL_GameControllerAxis a, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick, a, value);
    }
};

struct Controllers : ProgramWindow {
    void press(VirtualPad& pad, SDL_GameControllerButton b) {
        pad.button(b, true);
        frames();
        pad.button(b, false);
        frames(2);
    }
    // A new game with the dialogs' proposals: two people, one tank each.
    void startGame(VirtualPad& pad) {
        frames(2);                                // the program opens the pad it was told of
        press(pad, SDL_CONTROLLER_BUTTON_START);  // the menu bar, then File > New Game
        press(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        press(pad, SDL_CONTROLLER_BUTTON_A);
        ASSERT_TRUE(program.ui().modalOpen()) << "the pad's menu path opens the first dialog";
        for (int dialog = 0; dialog < 20 && program.world().setupInProgress; ++dialog)
            key(SDLK_RETURN);
        ASSERT_NE(program.world().currentTank(), nullptr);
    }
    const Tank& tank() { return *program.world().currentTank(); }
};

// One controller plays a turn: the right stick raises the cannon and turns the turret, the
// shoulder adds power, the d-pad turns the hull, A fires, and the turn passes on.
TEST_F(Controllers, APadAimsFiresAndPassesTheTurn) {
    VirtualPad pad;
    startGame(pad);
    const Player* first = program.world().currentPlayer();
    const Tank before = tank();
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, -32768);
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    // Held half a second: the press and some repeats.
    for (const Uint32 start = SDL_GetTicks(); SDL_GetTicks() - start < 500;)
        frames();
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, 0);
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);
    frames(2);
    const int raised = before.elevation - tank().elevation;
    EXPECT_GE(raised, 2) << "pressed, then repeated while held";
    EXPECT_NE(tank().turretAngle, before.turretAngle);
    const int elevation = tank().elevation;
    for (const Uint32 start = SDL_GetTicks(); SDL_GetTicks() - start < 400;)
        frames();
    EXPECT_EQ(tank().elevation, elevation) << "let go, the stick does nothing more";
    press(pad, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    EXPECT_NEAR(tank().power, before.power + 0.1f, 1e-4f);
    press(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_NE(tank().heading, before.heading);
    press(pad, SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(program.world().shotInProgress);
    // While the shell flies the pad does nothing.
    const int angle = tank().turretAngle;
    press(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, -32768);
    frames(3);
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);
    EXPECT_EQ(program.world().currentTank()->turretAngle, angle);
    for (int i = 0; i < 2000 && program.world().shotInProgress; ++i)
        frames();
    frames(5);
    for (MessageQueue& queue = program.ui().messages(); !queue.empty(); queue.pop()) {
    }
    frames(3);
    EXPECT_NE(program.world().currentPlayer(), first);
}

// A pad given to the second player stays out of the first player's turn, while an unassigned
// one plays it; unplugging a held pad mid-turn stops its repeats and loses nothing else.
TEST_F(Controllers, AGivenPadWaitsForItsPlayerAndUnpluggingLosesNothing) {
    VirtualPad free;
    startGame(free);
    VirtualPad second;
    frames(2);
    ASSERT_TRUE(program.gamepads().connected(1));
    const Team& teamB = program.world().teamB;
    program.gamepads().assign(1, PadOwner{teamB.index, teamB.firstPlayer->number});
    const Tank before = tank();
    press(second, SDL_CONTROLLER_BUTTON_A);
    second.axis(SDL_CONTROLLER_AXIS_RIGHTY, -32768);
    frames(10);
    second.axis(SDL_CONTROLLER_AXIS_RIGHTY, 0);
    frames();
    EXPECT_FALSE(program.world().shotInProgress) << "player 2's pad fired for player 1";
    EXPECT_EQ(tank().elevation, before.elevation);

    // The free pad raises the cannon, then is pulled out while its stick is held.
    free.axis(SDL_CONTROLLER_AXIS_RIGHTY, -32768);
    frames(3);
    free.unplug();
    frames(3);
    const int elevation = tank().elevation;
    EXPECT_LT(elevation, before.elevation);
    for (const Uint32 start = SDL_GetTicks(); SDL_GetTicks() - start < 400;)
        frames();
    EXPECT_EQ(tank().elevation, elevation) << "a pulled-out pad's stick repeats no more";
    EXPECT_FALSE(program.gamepads().connected(0));
    EXPECT_TRUE(program.gamepads().owner(1).has_value()) << "the given pad keeps its player";
    // Plugged in again it takes the free slot and plays on from the same aim.
    VirtualPad again;
    frames(2);
    EXPECT_TRUE(program.gamepads().connected(0));
    press(again, SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(program.world().shotInProgress);
    EXPECT_EQ(tank().elevation, elevation);
}

// A controller alone, no key pressed: Start opens the menu, the d-pad and A choose New Game,
// and Start takes each dialog's proposals; the pad then fires until a tank dies and A answers
// "Game Over". Team B's tank fills the arena, so the first shell ends the game.
TEST_F(Controllers, APadAloneSetsUpAndPlaysAWholeGame) {
    VirtualPad pad;
    frames(2);
    press(pad, SDL_CONTROLLER_BUTTON_START);
    press(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    press(pad, SDL_CONTROLLER_BUTTON_A);
    ASSERT_FALSE(drawing("Select Team").empty());
    // Down from the name to the count, to OK; A presses it.
    press(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    press(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    press(pad, SDL_CONTROLLER_BUTTON_A);
    ASSERT_FALSE(drawing("Select player").empty()) << "A on OK took team A's dialog";
    for (int dialog = 0; dialog < 20 && program.world().setupInProgress; ++dialog)
        press(pad, SDL_CONTROLLER_BUTTON_START);
    ASSERT_FALSE(program.world().setupInProgress);
    EXPECT_STREQ(program.world().teamA.firstPlayer->name, "player1");
    EXPECT_STREQ(program.world().teamB.firstPlayer->name, "player2");
    // Help > Help by the pad: its d-pad walks the viewer, not the tank, and B closes it.
    const Tank before = tank();
    press(pad, SDL_CONTROLLER_BUTTON_START);
    press(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    press(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    press(pad, SDL_CONTROLLER_BUTTON_A);
    ASSERT_FALSE(drawing("Krellmont Help").empty());
    press(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
    press(pad, SDL_CONTROLLER_BUTTON_B);
    EXPECT_TRUE(drawing("Krellmont Help").empty());
    EXPECT_EQ(tank().mileage, before.mileage);
    // A in the About box presses its OK, and fires nothing.
    program.runCommand(AboutCommand);
    frames(2);
    press(pad, SDL_CONTROLLER_BUTTON_A);
    ASSERT_FALSE(program.ui().modalOpen());
    EXPECT_FALSE(program.world().shotInProgress);
    Tank& target = *program.world().teamB.firstPlayer->firstTank;
    target.box = {-1e4f, 1e4f, -1e4f, 1e4f, -1e4f, 1e4f};
    press(pad, SDL_CONTROLLER_BUTTON_A);
    for (int i = 0; i < 2000 && program.world().shotInProgress; ++i)
        frames();
    EXPECT_TRUE(target.destroyed);
    frames(3);
    ASSERT_FALSE(drawing("Game Over").empty());
    press(pad, SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(program.ui().messages().empty()) << "the pad answered Game Over";
}

// Controller 1 taken by team A's player and Controller 2 by team B's in the player dialogs, by
// the pads themselves: each moves only its own player's tank.
TEST_F(Controllers, PadsTakenInThePlayerDialogMoveOnlyTheirPlayersTanks) {
    VirtualPad one, two;
    frames(2);
    program.runCommand(NewGameCommand);
    frames(2);
    press(one, SDL_CONTROLLER_BUTTON_START);  // team A's proposals
    // Down the name, the count, the camouflage, Person and Computer to "Controls:", open it
    // and go down the list to the controller wanted.
    const auto take = [&](VirtualPad& pad, int listed) {
        ASSERT_FALSE(drawing("Select player").empty());
        for (int i = 0; i < 5; ++i)
            press(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        press(pad, SDL_CONTROLLER_BUTTON_A);
        ASSERT_FALSE(drawing("##Combo").empty()) << "A opens the choice";
        for (int i = 0; i < listed; ++i)
            press(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        press(pad, SDL_CONTROLLER_BUTTON_A);
        // The focus stays on the choice made: OK is next below it.
        press(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        press(pad, SDL_CONTROLLER_BUTTON_A);
    };
    take(one, 1);
    press(two, SDL_CONTROLLER_BUTTON_START);  // team B's proposals
    take(two, 2);
    press(two, SDL_CONTROLLER_BUTTON_START);  // the arena
    ASSERT_FALSE(program.world().setupInProgress);
    const Player& first = *program.world().teamA.firstPlayer;
    const Player& second = *program.world().teamB.firstPlayer;
    ASSERT_EQ(program.gamepads().owner(0), (PadOwner{0, first.number}));
    ASSERT_EQ(program.gamepads().owner(1), (PadOwner{1, second.number}));
    // Each pad raises the cannon on each turn; only the owner's counts.
    const auto raisedBy = [&](VirtualPad& pad) {
        // Only the stick: driving might meet a prize or a wall, and its message would take the
        // pad for itself.
        const int before = tank().elevation;
        pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, -32768);
        frames(2);
        pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, 0);
        frames(2);
        return tank().elevation != before;
    };
    EXPECT_FALSE(raisedBy(two)) << "Controller 2 moved player 1's tank";
    EXPECT_TRUE(raisedBy(one));
    press(two, SDL_CONTROLLER_BUTTON_A);
    EXPECT_FALSE(program.world().shotInProgress) << "Controller 2 fired for player 1";
    press(one, SDL_CONTROLLER_BUTTON_A);
    for (int i = 0; i < 2000 && program.world().shotInProgress; ++i)
        frames();
    for (MessageQueue& queue = program.ui().messages(); !queue.empty(); queue.pop()) {
    }
    frames(3);
    ASSERT_EQ(program.world().currentPlayer(), &second);
    EXPECT_FALSE(raisedBy(one)) << "Controller 1 moved player 2's tank";
    EXPECT_TRUE(raisedBy(two));
}

// A pad plugged in mid-game plays for whoever has the turn until Options > Controllers gives it
// to team B's player, walked by the pad itself; B leaves the dialog without a change.
TEST_F(Controllers, TheOptionsDialogGivesAPadPluggedInMidGame) {
    VirtualPad first;
    startGame(first);
    EXPECT_TRUE(program.ui().menu().isEnabled(ControllersCommand));
    VirtualPad late;
    frames(2);
    ASSERT_TRUE(program.gamepads().connected(1));
    EXPECT_FALSE(program.gamepads().owner(1).has_value());
    const auto openDialog = [&] {
        press(late, SDL_CONTROLLER_BUTTON_START);  // the menu bar; Options, its last item
        press(late, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        press(late, SDL_CONTROLLER_BUTTON_DPAD_UP);
        press(late, SDL_CONTROLLER_BUTTON_A);
        ASSERT_FALSE(drawing("Controllers").empty());
    };
    // Controller 2's choice, one down from Controller 1's: team B's player, second in its list.
    const auto chooseTeamB = [&] {
        press(late, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        press(late, SDL_CONTROLLER_BUTTON_A);
        press(late, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        press(late, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        press(late, SDL_CONTROLLER_BUTTON_A);
    };
    openDialog();
    chooseTeamB();
    press(late, SDL_CONTROLLER_BUTTON_B);
    EXPECT_FALSE(program.ui().modalOpen());
    EXPECT_FALSE(program.gamepads().owner(1).has_value()) << "B changed nothing";
    openDialog();
    chooseTeamB();
    expectDrawing("controllers_dialog", "Controllers");
    press(late, SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(program.ui().modalOpen());
    const Player& second = *program.world().teamB.firstPlayer;
    EXPECT_EQ(program.gamepads().owner(1), (PadOwner{1, second.number}));
    EXPECT_FALSE(program.gamepads().owner(0).has_value());
    press(late, SDL_CONTROLLER_BUTTON_A);
    EXPECT_FALSE(program.world().shotInProgress) << "given to player 2, it fired for player 1";
}

// The program's own loop with a pad plugged in: idle, it sleeps; a press of A, sent as the pad
// would, draws the frames ImGui needs to answer the message box with it, and the loop ends then.
TEST_F(Controllers, TheLoopSleepsUntilAPressAndThenDrawsWhatItNeeds) {
    VirtualPad pad;
    frames(2);
    program.ui().messages().push("Game Over", "Game Over");
    static SDL_JoystickID padId;
    padId = pad.id;
    const auto pushA = [](Uint32, void*) -> Uint32 {
        for (const Uint32 type : {SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLERBUTTONUP}) {
            SDL_Event event{};
            event.cbutton = {
                type, 0, padId, SDL_CONTROLLER_BUTTON_A, Uint8(type == SDL_CONTROLLERBUTTONDOWN),
                0,    0};
            SDL_PushEvent(&event);
        }
        return 0;
    };
    const auto quit = [](Uint32, void*) -> Uint32 {
        SDL_Event event{SDL_QUIT};
        SDL_PushEvent(&event);
        return 0;
    };
    afterFrame = [this, quit] {
        if (program.ui().messages().empty())
            quit(0, nullptr);
    };
    const int before = framesShown;
    const SDL_TimerID press = SDL_AddTimer(1000, pushA, nullptr);
    const SDL_TimerID end = SDL_AddTimer(5000, quit, nullptr);  // should A go unanswered
    program.run();
    afterFrame = nullptr;
    SDL_RemoveTimer(press);
    SDL_RemoveTimer(end);
    EXPECT_TRUE(program.ui().messages().empty()) << "A answered the box";
    // The settling frames, then the press's; a loop that never slept would draw sixty a second.
    EXPECT_LT(framesShown - before, 25);
}

// Odd files in the data folder, one at a time, as a hostile but fair tester leaves them: each
// is named in one message (a sound's on standard error) and the game goes on. Nothing may hang
// on a pipe, take the memory a header merely claims, or hand the window system a huge icon.
TEST(OddDataFiles, EachIsNamedOnceAndTheGameGoesOn) {
    using namespace bitmap_test;
    namespace fs = std::filesystem;
    const fs::path runFolder = fs::current_path();
    const fs::path scratch = testing::TempDir() + std::to_string(getpid()) + "odd-data";
    // A bitmap of the given size, claiming another side, or cut after `keep` bytes.
    const auto bitmap = [](int width, int height, std::uint32_t claimedSide = 0,
                           std::size_t keep = SIZE_MAX) {
        return [=](const std::string& path) {
            std::vector<std::uint8_t> bytes = goodBmp(width, height);
            if (claimedSide != 0) {
                put32(bytes, 18, claimedSide);
                put32(bytes, 22, claimedSide);
            }
            bytes.resize(std::min(keep, bytes.size()));
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        };
    };
    const auto pipe = [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); };
    const auto unusable = [](const char* file, BitmapError error) {
        return unusableFileMessage(file, describeBitmapError(error));
    };
    const std::string hugeIcon = unusable("Krellmont.bmp", BitmapError::BadDimensions);
    const struct {
        const char* file;
        std::function<void(const std::string&)> make;
        std::string message;  // empty for a sound
    } cases[] = {
        {"Krellmont.bmp", bitmap(2048, 2048), hugeIcon},
        {"Krellmont.bmp", bitmap(5, 3, 40000), hugeIcon},
        {"Krellmont.bmp", bitmap(5, 3, 100000), hugeIcon},
        {"floor.bmp", pipe, unusable("floor.bmp", BitmapError::NotRegularFile)},
        {"bluecamo.bmp", [](const std::string& path) { fs::create_directory(path); },
         unusable("bluecamo.bmp", BitmapError::NotRegularFile)},
        {"prize.bmp", bitmap(8, 8, 0, 100), unusable("prize.bmp", BitmapError::TruncatedPixels)},
        // Opened and of the right kind even for root, yet every read fails.
        {"citycamo.bmp",
         [](const std::string& path) { fs::create_symlink("/proc/self/mem", path); },
         unusable("citycamo.bmp", BitmapError::CannotOpen)},
        {"cannon.wav", pipe, ""},
        {"krellmont.hlp", pipe, helpFailedMessage("krellmont.hlp")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fs::remove_all(scratch);
        fs::create_directory(scratch);
        for (const fs::directory_entry& entry : fs::directory_iterator(runFolder))
            fs::create_symlink(entry.path(), scratch / entry.path().filename());
        fs::remove(scratch / c.file);
        c.make((scratch / c.file).string());
        fs::current_path(scratch);
        {
            // A close event another test's timer left behind would end this program.
            SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
            std::string failure;
            Program program{PlatformWindow::create("test", failure)};
            ASSERT_TRUE(program.start()) << failure;
            const auto frames = [&program] {
                for (int i = 0; i < 3; ++i) {
                    SDL_Event event;
                    while (SDL_PollEvent(&event))
                        program.handleEvent(event);
                    program.drawFrame();
                }
            };
            std::vector<std::string> messages;
            const auto takeMessages = [&] {
                frames();
                for (MessageQueue& queue = program.ui().messages(); !queue.empty(); queue.pop())
                    messages.push_back(queue.front().text);
            };
            takeMessages();
            for (int command : {HelpCommand, AboutCommand})
                program.runCommand(command), takeMessages();
            EXPECT_FALSE(drawing("About").empty()) << "the About box opens";
            SoundPlayer sound;  // as the program's own plays a shot
            for (int shot = 0; shot < 2; ++shot)
                sound.play("cannon.wav");
            EXPECT_EQ(sound.refused("cannon.wav"), c.message.empty());
            EXPECT_EQ(messages, c.message.empty() ? std::vector<std::string>{}
                                                  : std::vector<std::string>{c.message});
            EXPECT_FALSE(program.quitting());
        }
        fs::current_path(runFolder);
    }
    fs::remove_all(scratch);
}

// The menu bar's and the status panel's rows of the last frame shown, top row first.
std::vector<unsigned char> barAndPanelRows(int bar, int panel) {
    std::vector<unsigned char> rows;
    for (int y = 0; y < shownHeight; ++y) {
        if (y < bar || y >= shownHeight - panel) {
            const auto row =
                shownFrame.begin() + std::ptrdiff_t(shownHeight - 1 - y) * shownWidth * 3;
            rows.insert(rows.end(), row, row + shownWidth * 3);
        }
    }
    return rows;
}

struct VolleyWindow : ProgramWindow {
    static constexpr int panel = 80;
    int bar = 0;

    // A new game with its default players, the first tank's shot fired.
    void fire() {
        program.runCommand(NewGameCommand);
        frames(2);
        for (int dialog = 0; dialog < 8 && program.world().setupInProgress; ++dialog)
            key(SDLK_RETURN);
        ASSERT_NE(program.world().currentTank(), nullptr);
        key(SDLK_RETURN);  // fire: the buttons go grey over the panel
        ASSERT_TRUE(program.world().shotInProgress);
        bar = program.ui().menuBarHeight();
        ASSERT_GT(bar, 0);
        ASSERT_GT(shownHeight, bar + panel);
    }
    // Frames of the volley in which the menu bar and the panel are shown from kept pixels.
    void keptFrames() {
        frames(3);
        ASSERT_TRUE(program.world().shotInProgress);
        EXPECT_TRUE(program.ui().reusedOpaqueLayer());
    }
    std::vector<unsigned char> rows() const { return barAndPanelRows(bar, panel); }
};

// The menu bar and the status panel are opaque: in a game with shells in flight every pixel of
// both, stacked in data/menu_bar_and_panel.png, is exactly as reviewed, whatever the 3-D view
// behind them draws, whether drawn afresh or shown again as kept. KRELLMONT_UPDATE_GOLDEN=1
// rewrites the picture.
TEST_F(VolleyWindow, MenuBarAndPanelPixelsStayAsReviewedInAVolley) {
    fire();
    std::vector<unsigned char> now = rows();
    const int rows = bar + panel;
    const std::string path = KRELLMONT_WINDOW_TEST_DATA "/menu_bar_and_panel.png";
    if (const char* update = std::getenv("KRELLMONT_UPDATE_GOLDEN"); update && *update == '1')
        stbi_write_png(path.c_str(), shownWidth, rows, 3, now.data(), shownWidth * 3);
    int width = 0, height = 0, channels = 0;
    const std::unique_ptr<unsigned char, void (*)(void*)> reviewed(
        stbi_load(path.c_str(), &width, &height, &channels, 3), std::free);
    ASSERT_TRUE(reviewed && width == shownWidth && height == rows) << path;
    const auto differing = [&reviewed](const std::vector<unsigned char>& shown) {
        int count = 0;
        for (std::size_t i = 0; i < shown.size(); ++i)
            count += shown[i] != reviewed.get()[i];
        return count;
    };
    EXPECT_EQ(differing(now), 0);
    keptFrames();
    EXPECT_EQ(differing(this->rows()), 0) << "shown from kept pixels";
}

// Kept pixels give way as soon as what the menu bar or the panel draws changes: a title under
// the pointer, and the readouts of the next turn.
TEST_F(VolleyWindow, KeptMenuBarAndPanelFollowHoverAndReadouts) {
    fire();
    keptFrames();
    const std::vector<unsigned char> kept = rows();
    pointAt(15, bar / 2);  // over the first menu title
    EXPECT_TRUE(rows() != kept) << "the title under the pointer lights up";
    pointAt(400, 300);
    keptFrames();
    EXPECT_TRUE(rows() == kept) << "and goes out again";
    for (int frame = 0; frame < 2000 && program.world().shotInProgress; ++frame)
        frames();
    ASSERT_FALSE(program.world().shotInProgress);
    frames(3);
    const std::vector<unsigned char> next = rows();
    EXPECT_FALSE(std::equal(next.begin() + std::ptrdiff_t(bar) * shownWidth * 3, next.end(),
                            kept.begin() + std::ptrdiff_t(bar) * shownWidth * 3))
        << "the panel shows the next turn";
}

}  // namespace
