// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point: runProgram does everything.
#include "app/program.h"

// The command line is not read: the game is configured through its menu and dialogs.
int main() {
    return runProgram();
}
