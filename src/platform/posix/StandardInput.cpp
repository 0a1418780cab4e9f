#include "platform/StandardInput.h"

namespace quandrel::platform {

// Standard input is never translated here.
void readStandardInputAsBinary() {}

} // namespace quandrel::platform
