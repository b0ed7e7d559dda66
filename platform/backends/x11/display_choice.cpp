// The start-up choice between the X11 and the headless backend.
#include "platform/backends/x11/x11.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/backends/x11/x11_backend.h"

namespace platform::x11 {

DisplayChoice ChooseDisplayBackend(const char* program) {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || name[0] == '\0')
        return DisplayChoice::Headless;
    std::string why;
    Connection* connection = Connection::Open(name, why);
    if (connection == nullptr) {
        std::fprintf(stderr, "%s: %s\n", program, why.c_str());
        return DisplayChoice::Failed;
    }
    static X11Backend* backend = new X11Backend(connection);  // lives as long as the windows
    platform::user::InstallBackend(backend);
    return DisplayChoice::X11;
}

void RequireDisplay(const char* program) {
    DisplayChoice choice = ChooseDisplayBackend(program);
    if (choice == DisplayChoice::X11)
        return;
    if (choice == DisplayChoice::Headless)
        std::fprintf(stderr, "%s: no X display (DISPLAY is not set)\n", program);
    std::exit(1);
}

}  // namespace platform::x11
