// SPDX-License-Identifier: GPL-3.0-or-later
// readDataFile: a data file read whole, refused unless it is a regular file; data_file.cpp has the
// bodies.
#pragma once

// Reads one of the game's data files (a texture, sound, icon or the help text) whole into
// memory. Only a regular file is read, and opening never blocks: a pipe, device or folder in
// a file's place is refused like a malformed file instead of hanging or flooding the game.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class DataFileError {
    None,
    Missing,     // no such file
    NotRegular,  // a folder, pipe, device or socket
    Unreadable,  // no permission, or reading failed
    TooLarge,    // more bytes than the caller accepts
};

const char* describeDataFileError(DataFileError error);

struct DataFile {
    DataFileError error = DataFileError::None;
    std::vector<std::uint8_t> bytes;

    bool ok() const { return error == DataFileError::None; }
};

// Reads at most `maxBytes`; a longer file is refused as TooLarge.
DataFile readDataFile(const std::string& path, std::size_t maxBytes);
