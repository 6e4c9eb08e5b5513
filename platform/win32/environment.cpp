#include "platform/win32/environment.h"

#include <windows.h>

namespace platform {

std::wstring Win32Environment::Variable(const std::wstring& name) {
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetEnvironmentVariableW(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);  // the room it needs, its terminator included
    }
}

}  // namespace platform
