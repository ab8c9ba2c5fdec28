#pragma once

#include <string>
#include <vector>

// The help file is plain text: a line starting with "# " opens a section titled by the rest of
// the line; everything up to the next such line is that section's text. Within a section, blank
// lines separate paragraphs, the lines of a paragraph join with spaces so the viewer can wrap
// them, a line starting with "- " begins a list item and lines indented by two spaces continue
// it. Text before the first title (the file's own title and table of contents) forms an
// untitled opening section, kept line for line.
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
