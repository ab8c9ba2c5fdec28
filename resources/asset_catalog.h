// SPDX-License-Identifier: GPL-3.0-or-later
// The data files the program reads from its working directory. tools/ writes them at build
// time under exactly these names.
#pragma once

// The twelve texture bitmaps, in loading order.
inline constexpr const char* shippedTextureFiles[12] = {
    "trackSideView.bmp", "trackFrontView1.bmp", "trackFrontView2.bmp", "trackLengthView.bmp",
    "floor.bmp",         "bluecamo.bmp",        "bluecamo2.bmp",       "citycamo.bmp",
    "forestcamo.bmp",    "Camouflage.bmp",      "fallcamo.bmp",        "prize.bmp",
};

// What the player dialog shows beside each camouflage choice: a 32 x 32 24-bit BMP that is
// the camouflage texture shrunk four times (draw it at 21 x 20). The texture file is listed
// too, for a view that prefers to reuse the texture already loaded.
struct CamouflagePreview {
    int camouflageId;
    const char* label;
    const char* textureFile;
    const char* previewFile;
};

inline constexpr CamouflagePreview camouflagePreviews[5] = {
    {37, "Blue", "bluecamo.bmp", "previewBlue.bmp"},
    {38, "Fall", "fallcamo.bmp", "previewFall.bmp"},
    {39, "City", "citycamo.bmp", "previewCity.bmp"},
    {40, "Forest", "forestcamo.bmp", "previewForest.bmp"},
    {41, "Forest2", "Camouflage.bmp", "previewForest2.bmp"},
};

// Window icons as 24-bit BMPs (SDL_LoadBMP reads them): 32 x 32 and 16 x 16, fully opaque.
inline constexpr const char* largeIconFile = "Krellmont.bmp";
inline constexpr const char* smallIconFile = "KrellmontSm.bmp";

inline constexpr const char* cannonSoundFile = "cannon.wav";
// The taunts, in the order the game picks them by index.
inline constexpr const char* shippedTauntFiles[10] = {
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
