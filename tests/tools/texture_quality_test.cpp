// What the pictures must look like, measured: seamless repeats, camouflages told apart at a
// glance, and a prize that stands out on the floor.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "resources/asset_catalog.h"
#include "tools/bitmap_assets.h"

namespace {

using assets::Image;
using assets::Rgb;

const std::map<std::string, Image>& pictures() {
    static const std::map<std::string, Image> all = [] {
        std::map<std::string, Image> byName;
        for (auto& asset : assets::makeAllBitmaps()) {
            byName.emplace(asset.file, std::move(asset.image));
        }
        return byName;
    }();
    return all;
}

const Image& picture(const std::string& name) {
    return pictures().at(name);
}

int difference(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// Mean colour step between horizontally (or vertically) neighbouring texels at column
// (row) k and k + 1, the last one wrapping round to the first.
double stepAcross(const Image& image, int k, bool vertical) {
    const int length = vertical ? image.width : image.height;
    const int next = (k + 1) % (vertical ? image.height : image.width);
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        sum += vertical ? difference(image.at(i, k), image.at(i, next))
                        : difference(image.at(k, i), image.at(next, i));
    }
    return sum / length;
}

struct SeamSteps {
    double seam = 0;      // across the wrap from the last column (row) to the first
    double mean = 0;      // average over the steps inside the picture
    double roughest = 0;  // largest step inside the picture
};

SeamSteps seamSteps(const Image& image, bool vertical) {
    const int size = vertical ? image.height : image.width;
    SeamSteps steps;
    for (int k = 0; k < size - 1; ++k) {
        const double step = stepAcross(image, k, vertical);
        steps.mean += step / (size - 1);
        steps.roughest = std::max(steps.roughest, step);
    }
    steps.seam = stepAcross(image, size - 1, vertical);
    return steps;
}

Image leftPart(const Image& image, int width) {
    Image part(width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < width; ++x) {
            part.at(x, y) = image.at(x, y);
        }
    }
    return part;
}

struct Mean {
    double r = 0, g = 0, b = 0;
};

Mean meanColour(const Image& image) {
    Mean m;
    for (Rgb c : image.pixels) {
        m.r += c.r;
        m.g += c.g;
        m.b += c.b;
    }
    const double n = double(image.pixels.size());
    return {m.r / n, m.g / n, m.b / n};
}

double distance(Mean a, Mean b) {
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) +
                     (a.b - b.b) * (a.b - b.b));
}

// Share of texels that differ clearly from the picture's mean: how patterned it is.
double patternShare(const Image& image) {
    const Mean m = meanColour(image);
    int patterned = 0;
    for (Rgb c : image.pixels) {
        if (distance({double(c.r), double(c.g), double(c.b)}, m) > 40) {
            ++patterned;
        }
    }
    return double(patterned) / double(image.pixels.size());
}

TEST(TextureQuality, FloorRepeatsWithoutSeams) {
    // The floor is smooth ground: its repeat seam must be as gentle as an ordinary step.
    for (bool vertical : {false, true}) {
        const SeamSteps steps = seamSteps(picture("floor.bmp"), vertical);
        EXPECT_LE(steps.seam, 1.5 * steps.mean) << (vertical ? "rows" : "columns");
    }
    // The measure bites: a piece cut out of the floor does not repeat smoothly.
    const SeamSteps cut = seamSteps(leftPart(picture("floor.bmp"), 200), false);
    EXPECT_GT(cut.seam, 1.5 * cut.mean);
}

TEST(TextureQuality, CamouflagesRepeatWithoutSeams) {
    // Camouflage has crisp edges anyway; the seam may be no harsher than the harshest of them.
    std::vector<std::string> names{"bluecamo2.bmp"};
    for (const CamouflagePreview& p : camouflagePreviews) {
        names.push_back(p.textureFile);
    }
    for (const std::string& name : names) {
        for (bool vertical : {false, true}) {
            const SeamSteps steps = seamSteps(picture(name), vertical);
            EXPECT_LE(steps.seam, steps.roughest) << name << (vertical ? " rows" : " columns");
        }
    }
}

TEST(TextureQuality, CamouflagesAreToldApartAtAGlanceAndArePatterned) {
    for (const CamouflagePreview& a : camouflagePreviews) {
        const Image& preview = picture(a.previewFile);
        EXPECT_GT(patternShare(preview), 0.15) << a.label << " reads as a flat colour";
        for (const CamouflagePreview& b : camouflagePreviews) {
            if (a.camouflageId < b.camouflageId) {
                EXPECT_GT(distance(meanColour(preview), meanColour(picture(b.previewFile))), 45.0)
                    << a.label << " and " << b.label << " look alike";
            }
        }
    }
}

TEST(TextureQuality, PrizeStandsOutOnTheFloor) {
    // Most of the crate's face is far from the ground's colour (an average would not do:
    // red, yellow and black together average to a brown much like the ground's).
    const Mean floor = meanColour(picture("floor.bmp"));
    int standingOut = 0;
    const Image& prize = picture("prize.bmp");
    for (Rgb c : prize.pixels) {
        standingOut += distance({double(c.r), double(c.g), double(c.b)}, floor) > 100 ? 1 : 0;
    }
    EXPECT_GT(double(standingOut) / double(prize.pixels.size()), 0.7);
    // The floor itself stays calm so tanks and crates read against it.
    EXPECT_LT(patternShare(picture("floor.bmp")), 0.5);
}

}  // namespace
