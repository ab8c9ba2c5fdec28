// SPDX-License-Identifier: GPL-3.0-or-later
// The data files the program reads from its working directory, each name written once: the
// program, the asset generator in tools/, the build (which lists the generated files from
// the names quoted here) and the tests all take them from this catalogue.
#pragma once

#include <array>

// Texture bitmaps: 24-bit uncompressed BMPs.
inline constexpr const char* trackSideFile = "trackSideView.bmp";
inline constexpr const char* trackFrontUpperFile = "trackFrontView1.bmp";
inline constexpr const char* trackFrontLowerFile = "trackFrontView2.bmp";
inline constexpr const char* trackLengthFile = "trackLengthView.bmp";
inline constexpr const char* floorFile = "floor.bmp";
inline constexpr const char* blueCamoFile = "bluecamo.bmp";
inline constexpr const char* blueCamo2File = "bluecamo2.bmp";
inline constexpr const char* cityCamoFile = "citycamo.bmp";
inline constexpr const char* forestCamoFile = "forestcamo.bmp";
inline constexpr const char* forest2CamoFile = "Camouflage.bmp";
inline constexpr const char* fallCamoFile = "fallcamo.bmp";
inline constexpr const char* prizeFile = "prize.bmp";

// What the player dialog shows beside each camouflage choice: a 32 x 32 24-bit BMP that is
// the camouflage texture shrunk four times (drawn at 21 x 20).
inline constexpr const char* previewBlueFile = "previewBlue.bmp";
inline constexpr const char* previewFallFile = "previewFall.bmp";
inline constexpr const char* previewCityFile = "previewCity.bmp";
inline constexpr const char* previewForestFile = "previewForest.bmp";
inline constexpr const char* previewForest2File = "previewForest2.bmp";

// Window icons as 24-bit BMPs: 32 x 32 and 16 x 16, fully opaque.
inline constexpr const char* largeIconFile = "Krellmont.bmp";
inline constexpr const char* smallIconFile = "KrellmontSm.bmp";

// The shot's sound, played once per volley.
inline constexpr const char* cannonSoundFile = "cannon.wav";
// The taunts a hit may play, in the order a random draw picks them by index.
inline constexpr std::array<const char*, 10> tauntFiles = {
    "AustaLaVistaBaby.wav", "AnyLastRequests.wav", "chicken.wav",     "EatMyShorts.wav",
    "HaHaHa.wav",           "HeyDoeDoeBrain.wav",  "IWillBeBack.wav", "MyNameIsAlvin.wav",
    "wosers.wav",           "YouDirtyRat.wav",
};

// The help text, UTF-8 plain text:
// - the lines before the first section title are the title and table of contents;
// - a line starting with "# " is a section title (the rest of the line), and the table of
//   contents lists the titles in order, one per line, each as "  N. Title";
// - blank lines separate paragraphs; the lines of one paragraph are joined with spaces so a
//   viewer can wrap them to its width;
// - a line starting with "- " begins a list item; its continuation lines start with two
//   spaces and join onto it.
inline constexpr const char* helpFile = "krellmont.hlp";
