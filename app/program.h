#pragma once

// Runs the game: window, loop, everything. Returns the process exit status: 0 after
// "E&xit" or the close box, non-zero when start-up failed.
int runProgram();
