// The launcher's entry: prepare, (update gate, main window, message loop), tear down.
#include "app/startup/StartUp.h"
#include "app/update/UpdateGate.h"
#include "platform/backends/x11/x11.h"
#include "platform/kernel.h"
#include "ui/markup/SkinStore.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int /*nShowCmd*/) {
    // A display that is named but cannot be opened ends the program before anything else.
    if (platform::x11::ChooseDisplayBackend("lumora") == platform::x11::DisplayChoice::Failed)
        return 1;
    Orvik::CSkinStore::SetProgramModule(hInstance);
    Orvik::CSkinStore::SetSkinPath(GetDefaultSkinFolder().c_str());
    InitWorkersAndLines();
    CheckUpdateAtStart();
    ShutdownWorkers();
    return 0;
}
