// Build-time program: krellmont_assets OUTPUT_DIR [--no-speech]
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/asset_generator.h"

int main(int argc, char** argv) {
    std::string outputDir;
    bool useSpeech = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-speech") == 0) {
            useSpeech = false;
        } else if (outputDir.empty() && argv[i][0] != '-') {
            outputDir = argv[i];
        } else {
            outputDir.clear();
            break;
        }
    }
    if (outputDir.empty()) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [--no-speech]\n", argv[0]);
        return 2;
    }
    const assets::GeneratorReport report = assets::generateAssets(outputDir, useSpeech);
    for (const std::string& file : report.failed) {
        std::fprintf(stderr, "krellmont_assets: cannot write %s/%s\n", outputDir.c_str(),
                     file.c_str());
    }
    std::printf("krellmont_assets: wrote %zu files into %s (%d spoken taunts)\n",
                report.written.size(), outputDir.c_str(), report.spokenTaunts);
    return report.failed.empty() ? 0 : 1;
}
