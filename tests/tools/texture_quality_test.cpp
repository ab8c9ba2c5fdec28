// What the pictures must look like, measured: seamless repeats, camouflages told apart at a
// glance, and a prize that stands out on the floor.
#include <gtest/gtest.h>

#include <array>
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
using Colour = std::array<double, 3>;

const Image& picture(const std::string& name) {
    static const std::map<std::string, Image> all = [] {
        std::map<std::string, Image> byName;
        for (auto& asset : assets::makeAllBitmaps()) {
            byName.emplace(asset.file, std::move(asset.image));
        }
        return byName;
    }();
    return all.at(name);
}

Colour colourOf(Rgb c) {
    return {double(c.r), double(c.g), double(c.b)};
}

double distance(Colour a, Colour b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

Colour meanColour(const Image& image) {
    Colour sum{};
    for (Rgb c : image.pixels) {
        sum = {sum[0] + c.r, sum[1] + c.g, sum[2] + c.b};
    }
    const double n = double(image.pixels.size());
    return {sum[0] / n, sum[1] / n, sum[2] / n};
}

// Share of texels farther than `limit` from `colour`.
double shareFarFrom(const Image& image, Colour colour, double limit) {
    int far = 0;
    for (Rgb c : image.pixels) {
        far += distance(colourOf(c), colour) > limit ? 1 : 0;
    }
    return double(far) / double(image.pixels.size());
}

// Mean colour step between columns (rows) k and k + 1, the last wrapping round to the first.
double stepAcross(const Image& image, int k, bool rows) {
    const int length = rows ? image.width : image.height;
    const int next = (k + 1) % (rows ? image.height : image.width);
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const Colour a = colourOf(rows ? image.at(i, k) : image.at(k, i));
        const Colour b = colourOf(rows ? image.at(i, next) : image.at(next, i));
        sum += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
    }
    return sum / length;
}

struct SeamSteps {
    double seam = 0;      // across the wrap from the last column (row) to the first
    double mean = 0;      // average over the steps inside the picture
    double roughest = 0;  // largest step inside the picture
};

SeamSteps seamSteps(const Image& image, bool rows) {
    const int size = rows ? image.height : image.width;
    SeamSteps steps;
    for (int k = 0; k < size - 1; ++k) {
        const double step = stepAcross(image, k, rows);
        steps.mean += step / (size - 1);
        steps.roughest = std::max(steps.roughest, step);
    }
    steps.seam = stepAcross(image, size - 1, rows);
    return steps;
}

TEST(TextureQuality, FloorAndCamouflagesRepeatWithoutSeams) {
    // The floor is smooth ground: its seam must be as gentle as an ordinary step.
    // Camouflage has crisp edges anyway: its seam may be no harsher than the harshest of them.
    std::vector<std::string> names{"floor.bmp", "bluecamo2.bmp"};
    for (const CamouflagePreview& p : camouflagePreviews) {
        names.push_back(p.textureFile);
    }
    for (const std::string& name : names) {
        for (bool rows : {false, true}) {
            const SeamSteps steps = seamSteps(picture(name), rows);
            EXPECT_LE(steps.seam, name == "floor.bmp" ? 1.5 * steps.mean : steps.roughest)
                << name << (rows ? " rows" : " columns");
        }
    }
    // The measure bites: a piece cut out of the floor does not repeat smoothly.
    const Image& floor = picture("floor.bmp");
    Image part(200, floor.height);
    for (int y = 0; y < floor.height; ++y) {
        for (int x = 0; x < 200; ++x) {
            part.at(x, y) = floor.at(x, y);
        }
    }
    const SeamSteps cut = seamSteps(part, false);
    EXPECT_GT(cut.seam, 1.5 * cut.mean);
}

TEST(TextureQuality, CamouflagesAreToldApartAtAGlanceAndArePatterned) {
    for (const CamouflagePreview& a : camouflagePreviews) {
        const Image& preview = picture(a.previewFile);
        EXPECT_GT(shareFarFrom(preview, meanColour(preview), 40), 0.15)
            << a.label << " reads as a flat colour";
        for (const CamouflagePreview& b : camouflagePreviews) {
            if (a.camouflageId < b.camouflageId) {
                EXPECT_GT(distance(meanColour(preview), meanColour(picture(b.previewFile))), 45.0)
                    << a.label << " and " << b.label << " look alike";
            }
        }
    }
}

TEST(TextureQuality, PrizeStandsOutOnACalmFloor) {
    // Most of the crate's face is far from the ground's colour (an average would not do:
    // red, yellow and black together average to a brown much like the ground's).
    const Image& floor = picture("floor.bmp");
    EXPECT_GT(shareFarFrom(picture("prize.bmp"), meanColour(floor), 100), 0.7);
    EXPECT_LT(shareFarFrom(floor, meanColour(floor), 40), 0.5);
}

}  // namespace
