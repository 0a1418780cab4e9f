#pragma once

namespace quandrel::platform {

// Makes standard input give its bytes as they are: no line-end translation, and no end of file
// at a Ctrl-Z. Call before the first read.
void readStandardInputAsBinary();

} // namespace quandrel::platform
