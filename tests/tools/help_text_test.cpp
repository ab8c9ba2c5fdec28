// The help text: its structure is what the in-program viewer relies on, and it must speak of
// every control the player has.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/tools/test_support.h"

namespace {

struct HelpText {
    std::vector<std::string> contents;  // titles listed before the first section
    std::vector<std::string> sections;  // titles of the "# " lines
    std::string body;
    std::vector<std::string> lines;
};

HelpText loadHelp() {
    static const std::regex contentsEntry(R"(  [0-9]+\. (.*))");
    HelpText help;
    help.body = tooltest::readFile(KRELLMONT_HELP_SOURCE);
    std::istringstream in(help.body);
    std::smatch entry;
    for (std::string line; std::getline(in, line);) {
        help.lines.push_back(line);
        if (line.rfind("# ", 0) == 0) {
            help.sections.push_back(line.substr(2));
        } else if (help.sections.empty() && std::regex_match(line, entry, contentsEntry)) {
            help.contents.push_back(entry[1]);
        }
    }
    return help;
}

TEST(HelpText, ContentsListTheSectionsInOrderAndTheFormatHolds) {
    const HelpText help = loadHelp();
    ASSERT_FALSE(help.sections.empty());
    EXPECT_EQ(help.contents, help.sections);
    for (const std::string& line : help.lines) {
        EXPECT_LE(line.size(), 100u) << line;
        EXPECT_EQ(line.find('\t'), std::string::npos) << line;
        EXPECT_FALSE(line.rfind("#", 0) == 0 && line.rfind("# ", 0) != 0) << line;
    }
}

// The text as the viewer shows it: lines joined, runs of spaces collapsed.
std::string flowed(const std::string& text) {
    std::string out;
    for (char c : text) {
        const char d = (c == '\n') ? ' ' : c;
        if (!(d == ' ' && !out.empty() && out.back() == ' ')) {
            out += d;
        }
    }
    return out;
}

TEST(HelpText, NamesEveryKeyButtonMenuItemAndTopic) {
    const std::string body = flowed(loadHelp().body);
    const char* mentions[] = {
        // the panel's buttons, with their exact captions
        "Shoot", "Forward", "Backward", "Clkwse", "C-Clkwse", "\"+\"", "\"-\"", "Raise", "Lower",
        "ClkWse", "C-ClkWse",
        // the keys
        "Enter", "Page Up", "Page Down", "Home", "End", "keypad +", "keypad -", "Up arrow",
        "Down arrow", "Left arrow", "Right arrow", "W,", "S,", "A,", "D,",
        // the menu
        "New Game", "Exit", "wireframe", "solidShading", "texture mapping", "Current Tank",
        "Center of Arena", "Polgygon Antialiasing", "Shields", "About", "Visit Krellmont website",
        // the dialogs' choices and limits
        "City", "Fall", "Blue", "Forest2", "1 to 4", "120 to 300", "Activate shield",
        // the rules a player must know
        "10 steps", "weak", "medium strength", "strong", "five", "20 to 40", "Game Over",
        "left mouse button", "right mouse button"};
    for (const char* mention : mentions) {
        EXPECT_NE(body.find(mention), std::string::npos) << "the help never mentions " << mention;
    }
}

}  // namespace
