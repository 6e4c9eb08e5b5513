// The second yardstick of the start-up benchmark: the bare window, after initialising what
// every program like Kalvex3 must, OLE for its COM controls and version 6 of the common
// controls for its themed ones. What Kalvex3 takes beyond this is its own doing.

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "one_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (FAILED(OleInitialize(nullptr))) return 1;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&controls)) return 1;
    const int exitCode = RunOneWindow(instance, L"OleWindow", L"OLE window", showCommand);
    OleUninitialize();
    return exitCode;
}
