#pragma once

namespace quandrel::platform {

// The permission bits (as in 0644) that a plain new file gets here: read and write for
// everyone, less what the process's umask takes away.
unsigned newFileMode();

} // namespace quandrel::platform
