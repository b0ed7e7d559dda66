// The launcher's entry: choose the display, then run the start-up body.
#include "app/startup/StartUp.h"
#include "platform/backends/x11/x11.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int /*nShowCmd*/) {
    // A display that is named but cannot be opened ends the program before anything else.
    if (platform::x11::ChooseDisplayBackend("lumora") == platform::x11::DisplayChoice::Failed)
        return 1;
    return RunLauncher(hInstance);
}
