#pragma once

namespace quandrel {

// The whole editor program: reads the command line, opens the window and runs until it closes.
// Returns the exit code.
int runEditor(int argc, char* argv[]);

} // namespace quandrel
