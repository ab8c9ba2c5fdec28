// The program on a real window under a private X server, stepped frame by frame: what it
// draws is read back as pixels and as ImGui draw data, input takes the loop's own paths.
#include "app/program.h"
#include "ui/font_files.h"

#include <GL/gl.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <imgui.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Every frame the program presents is read back here, from the back buffer, instead of being
// shown: this definition stands in for SDL's in the test program.
std::vector<unsigned char> shownFrame;
int shownWidth = 0;
int shownHeight = 0;

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
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
    SDL_Window* window = nullptr;

    void SetUp() override {
        ASSERT_TRUE(program.start()) << failure;
        window = SDL_GL_GetCurrentWindow();
        ImGui::GetStyle().AntiAliasedLines = false;  // every shape a quad in the draw data
        pointAt(400, 300);
    }

    void frames(int count = 1) {
        for (int i = 0; i < count; ++i) {
            SDL_Event event;
            while (SDL_PollEvent(&event)) {
                program.handleEvent(event);
            }
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
    void key(SDL_Keycode sym) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym = {SDL_GetScancodeFromKey(sym), sym, 0, 0};
        tap(event, SDL_KEYUP);
    }
    void text(const char* characters) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        std::snprintf(event.text.text, sizeof event.text.text, "%s", characters);
        send(event);
    }
    void pointAt(int x, int y) {
        SDL_WarpMouseInWindow(window, x, y);
        frames(2);
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
    // Accepts every new-game dialog as it comes up with its proposed values.
    void newGame() {
        program.runCommand(NewGameCommand);
        for (int i = 0; i < 12 && program.world().setupInProgress; ++i) {
            frames(2);
            key(SDLK_RETURN);
        }
        ASSERT_NE(program.world().currentTank(), nullptr);
        frames(2);
    }
    std::string aimAndMileage() {
        const Tank& tank = *program.world().currentTank();
        return std::to_string(tank.elevation) + " " + std::to_string(tank.mileage);
    }
    unsigned pixel(int x, int y) {
        const unsigned char* p =
            &shownFrame[std::size_t((shownHeight - 1 - y) * shownWidth + x) * 3];
        return unsigned(p[0]) << 16 | unsigned(p[1]) << 8 | p[2];
    }
};

// The status panel (or the window whose name starts with `owner`) as drawn: a line per filled box
// or text run, in drawing order, with colours as RGB (alpha when not opaque). Glyphs are told apart
// by their place in the font atlas; spaces draw nothing and are left out. Button borders are left
// out too.
std::vector<std::string> panelDrawing(const std::string& owner = "##StatusPanel") {
    struct Glyph {
        int font;
        const ImFontGlyph* glyph;
    };
    std::map<std::pair<float, float>, Glyph> atlas;
    const ImVector<ImFont*>& fonts = ImGui::GetIO().Fonts->Fonts;
    for (int f = 0; f < fonts.Size; ++f) {
        for (const ImFontGlyph& g : fonts[f]->Glyphs) {
            atlas.emplace(std::make_pair(g.U0, g.V0), Glyph{f, &g});
        }
    }
    std::vector<std::string> lines;
    const ImDrawData* data = ImGui::GetDrawData();
    for (int l = 0; l < data->CmdListsCount; ++l) {
        const ImDrawList* list = data->CmdLists[l];
        if (std::string(list->_OwnerName).rfind(owner, 0) != 0) {
            continue;
        }
        char line[128];
        float runEnd = 0.0f;
        for (int i = 0; i + 5 < list->IdxBuffer.Size; i += 6) {
            const ImDrawVert& a = list->VtxBuffer[list->IdxBuffer[i]];
            const ImDrawVert& c = list->VtxBuffer[list->IdxBuffer[i + 2]];
            const unsigned rgb = (a.col & 0xFF) << 16 | (a.col & 0xFF00) | (a.col >> 16 & 0xFF);
            const unsigned alpha = a.col >> 24;
            std::snprintf(line, sizeof line, alpha == 255 ? "%06X" : "%06X/%u", rgb, alpha);
            const std::string colour = line;
            const auto found = atlas.find({a.uv.x, a.uv.y});
            if (found == atlas.end()) {
                if (rgb != 0x6B6B6B) {
                    std::snprintf(line, sizeof line, "box %s %g,%g %gx%g", colour.c_str(), a.pos.x,
                                  a.pos.y, c.pos.x - a.pos.x, c.pos.y - a.pos.y);
                    lines.push_back(line);
                }
                runEnd = -1e9f;
                continue;
            }
            const ImFontGlyph& g = *found->second.glyph;
            const float x = a.pos.x - g.X0;
            const std::string head =
                "text " + colour + " font" + std::to_string(found->second.font);
            if (lines.empty() || lines.back().rfind(head + " ", 0) != 0 || x < runEnd ||
                x > runEnd + fonts[found->second.font]->FontSize) {
                std::snprintf(line, sizeof line, "%s %g,%g ", head.c_str(), x, a.pos.y - g.Y0);
                lines.push_back(line);
            }
            lines.back() += static_cast<char>(g.Codepoint);
            runEnd = x + g.AdvanceX;
        }
    }
    return lines;
}

// Whether the window whose name starts with `owner` drew `line`.
bool drawn(const std::string& owner, const std::string& line) {
    const std::vector<std::string> lines = panelDrawing(owner);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(ProgramWindow, PanelFontsAreArialAtTheirPixelHeights) {
    std::vector<unsigned char> bold;
    ASSERT_TRUE(readFontFile(findFontFile("Arial:bold"), bold));
    const ImVector<ImFont*>& fonts = ImGui::GetIO().Fonts->Fonts;
    ASSERT_EQ(fonts.Size, 1 + panelFontCount);
    std::string sizes;
    for (const ImFont* font : fonts) {
        sizes += std::to_string(int(font->FontSize));
        sizes += font->ConfigData->FontDataSize == int(bold.size()) ? "b " : " ";
    }
    EXPECT_EQ(sizes, "15 18 21 18b 23b 12 27b 30b ");
    // Names typed in accented Latin, Greek or Cyrillic show as typed in dialogs and team line.
    for (const ImFont* font : {fonts[0], fonts[2]}) {
        for (ImWchar letter : {0x0151, 0x03A9, 0x0416}) {  // ő Ω Ж
            EXPECT_NE(font->FindGlyphNoFallback(letter), nullptr) << letter;
        }
    }
}

// Text positions are the glyph origins; boxes are the buttons' frames.
TEST_F(ProgramWindow, PanelDrawsItsReadoutsAndElevenButtonsOnTheScreen) {
    newGame();
    const std::vector<std::string> expected = {
        "box C0C0C0 0,520 800x80",
        "text 000000 font2 234,521 Team:TeamA,Player:player1,Tank#:1",
        "text 8080FF font2 233,520 Team:TeamA,Player:player1,Tank#:1",
        "text FF0000 font7 0,542 POWER010.00",
        "text FF0000 font3 0,567 ANGLE45.00",
        "text 0000FF font3 0,582 mileage:0unitsused",
        "text 000000 font5 404,561 MoveTank",
        "text 000000 font5 622,561 MoveCannon",
        "box E0E0E0 211,542 100x55",
        "text 000000 font0 244,562 Shoot",
        "box E0E0E0 396,580 70x19",
        "text 000000 font0 402,582 Backward",
        "box E0E0E0 396,542 70x19",
        "text 000000 font0 407,544 Forward",
        "box E0E0E0 466,561 70x19",
        "text 000000 font0 479,563 Clkwse",
        "box E0E0E0 326,561 70x19",
        "text 000000 font0 332,563 C-Clkwse",
        "box E0E0E0 192,542 12x12",
        "text 000000 font0 194,543 +",
        "box E0E0E0 192,554 12x12",
        "text 000000 font0 196,555 -",
        "box E0E0E0 621,542 70x19",
        "text 000000 font0 639,544 Raise",
        "box E0E0E0 621,580 70x19",
        "text 000000 font0 638,582 Lower",
        "box E0E0E0 691,561 70x19",
        "text 000000 font0 702,563 ClkWse",
        "box E0E0E0 551,561 70x19",
        "text 000000 font0 555,563 C-ClkWse",
    };
    EXPECT_EQ(panelDrawing(), expected);
    // ... and reaches the screen with the menu bar, the floor and a message box.
    pointAt(300, 200);  // moved without a button, the pointer leaves the camera alone
    SDL_Event alt{};
    alt.type = SDL_KEYDOWN;
    alt.key.keysym = {SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LALT, 0};
    send(alt);  // held, it underlines the menu titles' letters
    EXPECT_TRUE(drawn("##MainMenuBar", "box 000000 12,17 7x1"));
    EXPECT_EQ(pixel(400, 5), 0xDBDBDBu);    // menu bar
    EXPECT_EQ(pixel(180, 530), 0xC0C0C0u);  // panel
    EXPECT_EQ(pixel(400, 300), 0x7E7048u);  // the arena's floor
    program.ui().messages().push("Game Over", "Game Over");
    frames(3);
    EXPECT_EQ(pixel(400, 300), 0xFCFCFBu);
    program.runCommand(AboutCommand);
    frames(3);
    // The box's text under its caption, the About box's icon.
    EXPECT_TRUE(drawn("Game Over", "text 000000 font0 298,290 GameOver"));
    EXPECT_TRUE(drawn("About", "box FFFFFF 175,257 32x32"));
}

TEST_F(ProgramWindow, KeysAndLettersReachTheTankOnlyWithoutADialog) {
    newGame();
    const auto tryKeys = [&] {
        key(SDLK_UP);
        text("w");
        return aimAndMileage();
    };
    EXPECT_EQ(tryKeys(), "-46 1");
    click(656, 551);  // Raise, which leaves the keys to the game
    EXPECT_EQ(tryKeys(), "-48 2");
    program.ui().messages().push("Game Over", "Game Over");
    EXPECT_EQ(tryKeys(), "-48 2");
    key(SDLK_RETURN);  // closes the box and fires nothing
    EXPECT_FALSE(program.ui().modalOpen());
    EXPECT_FALSE(program.world().shotInProgress);
    program.runCommand(HelpCommand);
    frames(2);
    EXPECT_EQ(tryKeys(), "-48 2");
    click(5, 300);  // the 3-D view beside the help viewer takes the keys back
    EXPECT_EQ(tryKeys(), "-49 3");
}

TEST_F(ProgramWindow, WhileAShellFliesKeysAndButtonsDoNothing) {
    newGame();
    key(SDLK_RETURN);
    ASSERT_TRUE(program.world().shotInProgress);
    EXPECT_TRUE(Mix_Playing(0)) << "the cannon is heard";
    key(SDLK_UP);
    text("w");
    click(656, 551);  // Raise
    EXPECT_EQ(aimAndMileage(), "-45 0");
    EXPECT_EQ(panelDrawing().at(8), "box E0E0E0/153 211,542 100x55");
}

struct RunCommand : ProgramWindow, ::testing::WithParamInterface<std::pair<int, const char*>> {};

// The check marks (Wireframe, Solid, Texture, Arena, current Tank, antialiasing Polygons) and
// the GL state each command leaves.
TEST_P(RunCommand, LeavesTheProgramInItsState) {
    program.runCommand(GetParam().first);
    frames(3);
    std::string checked;
    for (int id : {WireframeCommand, SolidShadingCommand, TextureMappingCommand,
                   CenterOfArenaCommand, CurrentTankCommand, AntialiasingCommand}) {
        checked += program.ui().menu().isChecked(id) ? "WSTATP"[checked.size()] : '-';
    }
    GLint mode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    char state[96];
    std::snprintf(state, sizeof state, "quit %d modal %d keys %d %s lines %d texture %d",
                  program.quitting(), program.ui().modalOpen(), program.ui().wantsKeyboard(),
                  checked.c_str(), mode[0] == GL_LINE, glIsEnabled(GL_TEXTURE_2D));
    EXPECT_STREQ(state, GetParam().second);
}
INSTANTIATE_TEST_SUITE_P(
    Each, RunCommand,
    ::testing::Values(
        std::pair{ExitCommand, "quit 1 modal 0 keys 0 --T-T- lines 0 texture 1"},
        std::pair{NewGameCommand, "quit 0 modal 1 keys 1 --T-T- lines 0 texture 1"},
        std::pair{AboutCommand, "quit 0 modal 1 keys 1 --T-T- lines 0 texture 1"},
        std::pair{ShieldsCommand, "quit 0 modal 1 keys 1 --T-T- lines 0 texture 1"},
        std::pair{HelpCommand, "quit 0 modal 0 keys 1 --T-T- lines 0 texture 1"},
        std::pair{WireframeCommand, "quit 0 modal 0 keys 0 W---T- lines 1 texture 0"},
        std::pair{SolidShadingCommand, "quit 0 modal 0 keys 0 -S--T- lines 0 texture 0"},
        std::pair{CenterOfArenaCommand, "quit 0 modal 0 keys 0 --TA-- lines 0 texture 1"},
        std::pair{AntialiasingCommand, "quit 0 modal 0 keys 0 --T-TP lines 0 texture 1"},
        std::pair{0, "quit 0 modal 0 keys 0 --T-T- lines 0 texture 1"}));

// Each message box takes one key; the About box takes no Escape.
TEST_F(ProgramWindow, BoxesCloseOneAtATimeByTheirKeys) {
    for (const char* text : {"first", "second", "third"}) {
        program.ui().messages().push(text, "Game Over");
    }
    program.runCommand(AboutCommand);
    frames(2);
    std::string left;
    for (SDL_Keycode sym : {SDLK_RETURN, SDLK_ESCAPE, SDLK_RETURN, SDLK_ESCAPE, SDLK_RETURN}) {
        key(sym);
        left += std::to_string(program.ui().messages().size()) +
                (program.ui().modalOpen() ? "m " : " ");
    }
    EXPECT_EQ(left, "2m 1m 0m 0m 0 ");
}

// Text goes to the focused field within its limits; a refused OK keeps the dialog under its
// message, and the field has the keyboard again once the message is gone.
TEST_F(ProgramWindow, NewGameDialogsTakeWhatIsTypedWithinTheirLimits) {
    program.runCommand(NewGameCommand);
    frames(2);
    text("Crimson Tide Armoured Brigade");  // over the selected proposal, cut at 23 bytes
    key(SDLK_TAB);
    text("0");
    key(SDLK_RETURN);
    ASSERT_EQ(program.ui().messages().size(), 1u);
    EXPECT_EQ(program.ui().messages().front().text,
              "Number of players must be 1 to 4.\nPlease re-enter values and try again");
    key(SDLK_RETURN);
    text("2");
    key(SDLK_RETURN);  // the player dialog, City's picture first
    frames(2);
    EXPECT_TRUE(drawn("Select player", "box FFFFFF 241.5,279 21x20"));
    for (int dialog = 1; dialog < 5; ++dialog) {  // team A, its two players, team B, its player
        key(SDLK_RETURN);
        frames(2);
    }
    text("2x5-0.");  // only the digits get in
    key(SDLK_RETURN);
    frames(2);
    const GameWorld& world = program.world();
    ASSERT_NE(world.currentTank(), nullptr);
    EXPECT_STREQ(world.teamA.name, "Crimson Tide Armoured B");
    EXPECT_EQ(world.teamA.playerCount, 2);
    EXPECT_EQ(world.arena.halfSide, 125.0f);
}

TEST_F(ProgramWindow, FileExitQuits) {
    click(20, 9);
    EXPECT_FALSE(program.quitting());
    click(30, 50);
    EXPECT_TRUE(program.quitting());
}

TEST_F(ProgramWindow, ClosingTheWindowQuits) {
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    send(close);
    EXPECT_TRUE(program.quitting());
}

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
            SDL_Event press{};
            press.type = SDL_KEYDOWN;
            press.key.keysym = {SDL_GetScancodeFromKey(keys[k]), keys[k], 0, 0};
            // SDL keeps the modifier state itself when real keys arrive; these do not.
            SDL_SetModState(k < 3 ? mods[k] : KMOD_NONE);
            program.handleEvent(press);
            SDL_Event typed{};
            typed.type = SDL_TEXTINPUT;
            typed.text.text[0] = k == 3 ? 'A' : 'z';
            if (k == 3 || k == 8) {
                program.handleEvent(typed);
            }
            press.type = SDL_KEYUP;
            SDL_SetModState(KMOD_NONE);
            program.handleEvent(press);
            frames(event % 6 == 5 ? 1 : 0);
        }
        frames(2);
    };
    program.runCommand(NewGameCommand);
    int dialogs = 0;
    for (; dialogs < 20 && program.world().setupInProgress; ++dialogs) {
        frames(2);
        burst();
        // Whatever the storm typed, Enter moves on or raises a message that the next round closes.
        key(SDLK_RETURN);
    }
    ASSERT_NE(program.world().currentTank(), nullptr);
    EXPECT_GE(dialogs, 5);
    key(SDLK_RETURN);
    for (int i = 0; i < 40 && program.world().shotInProgress; ++i) {
        burst();
    }
    program.runCommand(ExitCommand);
    EXPECT_TRUE(program.quitting());
}

}  // namespace
