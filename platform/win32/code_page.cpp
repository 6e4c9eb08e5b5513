#include "platform/win32/code_page.h"

#include <windows.h>

#include "platform/win32/last_error.h"

namespace platform {

std::string Win32AnsiCodePage::FromWide(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (size == 0) RaiseLastError();
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), size, nullptr, nullptr) == 0)
        RaiseLastError();
    return bytes;
}

std::wstring Win32AnsiCodePage::ToWide(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (size == 0) RaiseLastError();
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), size) == 0) RaiseLastError();
    return text;
}

}  // namespace platform
