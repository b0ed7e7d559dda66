// Window classes the platform itself provides, registered before the first class lookup.
#pragma once

namespace platform::user {

// The tooltip class; safe to call from any thread, registers once.
void RegisterSystemClasses();

}  // namespace platform::user
