#include "platform/win32/user_locale.h"

#include <windows.h>

namespace platform {

std::uint16_t Win32UserLocale::DefaultLanguageId() { return GetUserDefaultLangID(); }

wchar_t Win32UserLocale::DecimalSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0 || separator[0] == L'\0') return L'.';
    return separator[0];
}

}  // namespace platform
