// The launcher's entry: choose the display, then run the start-up body.
#include "app/startup/StartUp.h"
#include "platform/backends/x11/x11.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int /*nShowCmd*/) {
    // Without a display nobody could see or close the window: say so and end
    // before anything else starts.
    platform::x11::RequireDisplay("lumora");
    return RunLauncher(hInstance);
}
