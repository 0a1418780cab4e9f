#pragma once

namespace quandrel::platform {

// Gives the open file `handle` (QFileDevice::handle()) the owner and group of the file it is
// to replace, as far as the system allows: root may set both, a user only a group of their
// own. A failure leaves the file as the system created it. Does nothing where files have no
// such owners.
void keepOwner(int handle, unsigned owner, unsigned group);

} // namespace quandrel::platform
