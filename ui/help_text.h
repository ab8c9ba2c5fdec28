#pragma once

#include <string>
#include <vector>

// The help file is plain text: a line starting with "# " opens a section titled by the rest of
// the line; everything up to the next such line is that section's text. Text before the first
// title forms an untitled opening section.
struct HelpSection {
    std::string title;
    std::string body;
};

struct HelpDocument {
    std::vector<HelpSection> sections;
};

HelpDocument parseHelpText(const std::string& text);

// False when the file cannot be opened or read.
bool loadHelpFile(const std::string& path, HelpDocument& document);

constexpr const char* helpFailedCaption = "Help failed";
std::string helpFailedMessage(const std::string& path);
