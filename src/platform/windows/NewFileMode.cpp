#include "platform/NewFileMode.h"

namespace quandrel::platform {

// Files here have no umask: a new file is writable, and its folder's access rights do the rest.
unsigned newFileMode() { return 0666U; }

} // namespace quandrel::platform
