// SPDX-License-Identifier: GPL-3.0-or-later
// The help file's format and its parsed form (HelpDocument of HelpSections); help_text.cpp
// parses and loads it.
#pragma once

#include <cstddef>
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

// One line as the viewer shows it: a byte range of a section's text.
struct HelpLine {
    std::size_t begin;
    std::size_t end;
};

HelpDocument parseHelpText(const std::string& text);

// The shipped help is a few kilobytes; a file far beyond that is not help text.
constexpr std::size_t maxHelpFileBytes = 1024 * 1024;

// False when the file cannot be opened or read, or is larger than maxHelpFileBytes.
bool loadHelpFile(const std::string& path, HelpDocument& document);

constexpr const char* helpFailedCaption = "Help failed";
std::string helpFailedMessage(const std::string& path);
