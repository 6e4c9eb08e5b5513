#include "platform/win32/file_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/system_library.h"

namespace platform {

namespace {
// Room for the longest path the system can hand back.
constexpr DWORD kNameCapacity = 32768;
}  // namespace

std::wstring DialogFilter(const std::wstring& filter) {
    std::wstring list = filter;
    std::replace(list.begin(), list.end(), L'|', L'\0');
    list.append(2, L'\0');
    return list;
}

std::optional<std::wstring> Win32FileDialog::ShowOpen(const std::wstring& filter) {
    static const auto getOpenFileName =
        SystemFunction<decltype(&GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    const std::wstring filterList = DialogFilter(filter);
    std::vector<wchar_t> name(kNameCapacity, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = kNameCapacity;
    // The program's own current folder stays where it was, whatever folder the user visits.
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!getOpenFileName(&dialog)) return std::nullopt;
    return std::wstring(name.data());
}

}  // namespace platform
