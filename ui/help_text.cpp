// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing the help text into sections and paragraphs, and loading the help file within its size.
#include "ui/help_text.h"

#include "files/data_file.h"

#include <algorithm>

namespace {

void trimTrailingSpace(std::string& s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.pop_back();
    }
}

// Blank lines around a section's text only push it apart from its title.
void trimBlankLines(std::string& body) {
    std::size_t start = 0;
    while (start < body.size() && body[start] == '\n') {
        ++start;
    }
    body.erase(0, start);
    while (!body.empty() && body.back() == '\n') {
        body.pop_back();
    }
}

bool isBlank(const std::string& s) {
    return s.find_first_not_of(" \t\r\n") == std::string::npos;
}

void finish(HelpDocument& doc, HelpSection& section, bool opened) {
    trimBlankLines(section.body);
    if (opened || !isBlank(section.body)) {
        doc.sections.push_back(std::move(section));
    }
    section = HelpSection{};
}

}  // namespace

HelpDocument parseHelpText(const std::string& text) {
    HelpDocument doc;
    HelpSection current;
    bool opened = false;       // current has a title line
    bool inParagraph = false;  // the last line added text that a following line may join
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        // A stray NUL would end the text early wherever it is handed on as a C string.
        line.erase(std::remove(line.begin(), line.end(), '\0'), line.end());
        trimTrailingSpace(line);
        if (line.size() >= 2 && line[0] == '#' && line[1] == ' ') {
            finish(doc, current, opened);
            const std::size_t first = line.find_first_not_of(" \t", 2);
            current.title = first == std::string::npos ? std::string() : line.substr(first);
            opened = true;
            inParagraph = false;
            continue;
        }
        std::string& body = current.body;
        if (!opened) {
            body += line;
            body += '\n';
            continue;
        }
        if (line.empty()) {
            if (inParagraph) {
                body += "\n\n";
            }
            inParagraph = false;
            continue;
        }
        const bool listItem = line.compare(0, 2, "- ") == 0;
        if (inParagraph && !listItem) {
            const std::size_t first = line.find_first_not_of(" \t");
            body += ' ';
            body += line.substr(first);
        } else {
            if (inParagraph) {
                body += '\n';
            }
            body += line;
        }
        inParagraph = true;
    }
    finish(doc, current, opened);
    return doc;
}

bool loadHelpFile(const std::string& path, HelpDocument& document) {
    DataFile file = readDataFile(path, maxHelpFileBytes);
    if (!file.ok()) {
        return false;
    }
    document = parseHelpText(std::string(file.bytes.begin(), file.bytes.end()));
    return true;
}

std::string helpFailedMessage(const std::string& path) {
    return "Failed to open '" + path + "'";
}
