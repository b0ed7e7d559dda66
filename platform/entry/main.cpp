// Program entry glue: main() hands the module handle to the program's WinMain.
#include "platform/kernel.h"

int main(int /*argc*/, char** /*argv*/) {
    static char cmdLine[] = "";
    return WinMain(GetModuleHandleA(nullptr), nullptr, cmdLine, SW_SHOWNORMAL);
}
