// The connection check's rule over an interface list, apart from the list the machine gives.
#pragma once

#include <ifaddrs.h>

namespace platform {

// True when some interface in the list is up, is not loopback and has an
// IPv4 or IPv6 address.
bool AnyUsableInterface(const ifaddrs* list);

}  // namespace platform
