// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time program: krellmont_assets OUTPUT_DIR [--no-speech] [--icons ICON_DIR]
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/asset_generator.h"

namespace {

bool reportFailures(const assets::GeneratorReport& report, const std::string& dir) {
    for (const std::string& file : report.failed) {
        std::fprintf(stderr, "krellmont_assets: cannot write %s/%s\n", dir.c_str(), file.c_str());
    }
    return report.failed.empty();
}

}  // namespace

int main(int argc, char** argv) {
    std::string outputDir;
    std::string iconDir;
    bool useSpeech = true;
    bool usable = true;
    for (int i = 1; i < argc && usable; ++i) {
        if (std::strcmp(argv[i], "--no-speech") == 0) {
            useSpeech = false;
        } else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc && iconDir.empty()) {
            iconDir = argv[++i];
        } else if (outputDir.empty() && argv[i][0] != '-') {
            outputDir = argv[i];
        } else {
            usable = false;
        }
    }
    if (!usable || outputDir.empty()) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [--no-speech] [--icons ICON_DIR]\n", argv[0]);
        return 2;
    }
    const assets::GeneratorReport report = assets::generateAssets(outputDir, useSpeech);
    bool ok = reportFailures(report, outputDir);
    std::printf("krellmont_assets: wrote %zu files into %s (%d spoken taunts)\n",
                report.written.size(), outputDir.c_str(), report.spokenTaunts);
    if (!iconDir.empty()) {
        const assets::GeneratorReport icons = assets::generateThemeIcons(iconDir);
        ok = reportFailures(icons, iconDir) && ok;
        std::printf("krellmont_assets: wrote %zu icons into %s\n", icons.written.size(),
                    iconDir.c_str());
    }
    return ok ? 0 : 1;
}
