// The help text must list its sections in its contents and speak of every control.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/tools/test_support.h"

namespace {

TEST(HelpText, ContentsListTheSectionsAndTheTextNamesEveryControl) {
    const std::string body = tooltest::readFile(KRELLMONT_HELP_SOURCE);
    static const std::regex contentsEntry(R"(  [0-9]+\. (.*))");
    std::vector<std::string> contents, sections;
    std::string flowed;  // as the viewer shows it: lines joined, runs of spaces collapsed
    std::istringstream in(body);
    std::smatch entry;
    for (std::string line; std::getline(in, line);) {
        EXPECT_LE(line.size(), 100u) << line;
        if (line.rfind("# ", 0) == 0)
            sections.push_back(line.substr(2));
        else if (sections.empty() && std::regex_match(line, entry, contentsEntry))
            contents.push_back(entry[1]);
        for (char c : line + " ")
            if (!(c == ' ' && !flowed.empty() && flowed.back() == ' '))
                flowed += c;
    }
    ASSERT_FALSE(sections.empty());
    EXPECT_EQ(contents, sections);
    std::istringstream mentions(
        "Shoot|Forward|Backward|Clkwse|C-Clkwse|\"+\"|\"-\"|Raise|Lower|ClkWse|C-ClkWse|Enter|Page "
        "Up|"
        "Page Down|Home|End|keypad +|keypad -|Up arrow|Down arrow|Left arrow|Right arrow|W,|S,|A,|"
        "D,|New Game|Exit|wireframe|solidShading|texture mapping|Current Tank|Center of Arena|"
        "Polgygon Antialiasing|Shields|About|Visit Krellmont website|City|Fall|Blue|Forest2|1 to "
        "4|120 to 300|Activate shield|10 steps|weak|medium strength|strong|five|20 to 40|Game "
        "Over|left mouse button|right mouse button");
    for (std::string mention; std::getline(mentions, mention, '|');)
        EXPECT_NE(flowed.find(mention), std::string::npos) << "the help never mentions " << mention;
}

}  // namespace
