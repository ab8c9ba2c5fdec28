// SPDX-License-Identifier: GPL-3.0-or-later
// The help text, read by the program's own parser, lists its sections in its contents and
// speaks of every control.
#include "ui/help_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(HelpText, ContentsListTheSectionsAndTheTextNamesEveryControl) {
    std::stringstream file;
    file << std::ifstream(KRELLMONT_HELP_SOURCE).rdbuf();
    const HelpDocument help = parseHelpText(file.str());
    std::string contents = "Contents\n", text;
    for (std::size_t i = 1; i < help.sections.size(); ++i) {
        contents += "  " + std::to_string(i) + ". " + help.sections[i].title + "\n";
        text += help.sections[i].body + "\n";
    }
    EXPECT_NE((help.sections.at(0).body + "\n").find(contents), std::string::npos) << contents;
    std::istringstream mentions(
        "Shoot|Forward|Backward|Clkwse|C-Clkwse|\"+\"|\"-\"|Raise|Lower|ClkWse|C-ClkWse|Enter|Page "
        "Up|Page Down|Home|End|keypad +|keypad -|Up arrow|Down arrow|Left arrow|Right arrow|W,|S,|"
        "A,|D,|New Game|Exit|wireframe|solidShading|texture mapping|Current Tank|Center of Arena|"
        "Polgygon Antialiasing|Shields|About|Visit Krellmont website|City|Fall|Blue|Forest2|1 to "
        "4|120 to 300|Activate shield|10 steps|weak|medium strength|strong|five|20 to 40|Game "
        "Over|left mouse button|right mouse button");
    for (std::string mention; std::getline(mentions, mention, '|');)
        EXPECT_NE(text.find(mention), std::string::npos) << "the help never mentions " << mention;
}

}  // namespace
