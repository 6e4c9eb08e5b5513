#pragma once
// The library's module and its count of living objects and server locks, which decides
// whether the library may be unloaded.

#include <windows.h>

#include <string>

namespace button {

HMODULE LibraryModule();
std::wstring LibraryPath();

void ObjectCreated();
void ObjectDestroyed();
void ServerLocked(bool lock);
bool ServerInUse();

}  // namespace button
