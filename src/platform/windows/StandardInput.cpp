#include "platform/StandardInput.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace quandrel::platform {

void readStandardInputAsBinary() { ::_setmode(::_fileno(stdin), _O_BINARY); }

} // namespace quandrel::platform
