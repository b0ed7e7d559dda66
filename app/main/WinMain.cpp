// The launcher's entry: prepare, (update gate, main window, message loop), tear down.
#include "app/startup/StartUp.h"
#include "app/update/UpdateGate.h"
#include "platform/kernel.h"
#include "ui/markup/SkinStore.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int /*nShowCmd*/) {
    Orvik::CSkinStore::SetProgramModule(hInstance);
    Orvik::CSkinStore::SetSkinPath(GetDefaultSkinFolder().c_str());
    InitWorkersAndLines();
    CheckUpdateAtStart();
    ShutdownWorkers();
    return 0;
}
