// The launcher's entry: choose the display, then run the start-up body.
#include "app/startup/StartUp.h"
#ifndef _WIN32
#include "platform/backends/x11/x11.h"
#endif

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int /*nShowCmd*/) {
    // Without a display nobody could see or close the window: say so and end
    // before anything else starts.
#ifndef _WIN32
    platform::x11::RequireDisplay("lumora");
#endif
    return RunLauncher(hInstance);
}
