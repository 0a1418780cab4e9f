#pragma once

namespace quandrel::platform {

// Opens the null device onto each of standard input, output and error that was closed when the
// program started, so that the next file or connection opened cannot take its number and
// receive text meant for the terminal. Call first thing in main.
void openClosedStandardDescriptors();

} // namespace quandrel::platform
