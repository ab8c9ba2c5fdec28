// SPDX-License-Identifier: GPL-3.0-or-later
// reportStartupFailure: how the program tells of a start-up it could not complete.
#pragma once

#include <string>

// A failure before the program can run: shown in a system message box captioned
// "error" and written to standard error, there followed by SDL's own reason when one is
// given. The caller then ends with a non-zero status.
int reportStartupFailure(const std::string& message, const std::string& reason);

// The status with which a failed start-up ends the process.
constexpr int startupFailureExitCode = 1;
