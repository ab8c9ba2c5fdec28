// SPDX-License-Identifier: GPL-3.0-or-later
// The program's version string, krellmontVersion.
#pragma once

// The program's version: the build passes the project's version in, so it is written once,
// in the top CMakeLists.txt.
inline constexpr const char* krellmontVersion = KRELLMONT_VERSION;
