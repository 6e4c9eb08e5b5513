// Reads values through the settings store and writes what it read back beside them, so
// that a script can compare both with what `reg` shows.
//
//     registry_probe <RegBase> <name>...
//
// Works in HKEY_CURRENT_USER\SOFTWARE\<RegBase>\ICQLiteKalvex\Settings; each value <name>
// is copied to <name>Read, "(default)" where it reads as missing.

#include "app/registry_store.h"
#include "platform/win32/process_starter.h"
#include "platform/win32/registry.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    platform::Win32Registry registry;
    platform::Win32ProcessStarter starter;
    app::clsReg objReg(registry, starter);
    objReg.SetRootKey(platform::kHkeyCurrentUser);
    objReg.SetRegBase(argv[1]);
    objReg.SetProgram(L"ICQLiteKalvex");
    for (int i = 2; i < argc; ++i) objReg.WriteEntry(std::wstring(argv[i]) + L"Read", objReg.ReadEntry(argv[i], L"(default)"));
    return 0;
}
