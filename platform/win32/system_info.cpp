#include "platform/win32/system_info.h"

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "platform/program_identity.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/program_folder.h"
#include "platform/win32/scoped_variant.h"

namespace platform {

namespace {

std::wstring LocaleText(LCTYPE what, const wchar_t* fallback) {
    wchar_t buffer[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, what, buffer, 8) == 0) return fallback;
    return buffer;
}

}  // namespace

std::wstring Win32SystemInfo::ComputerName() {
    wchar_t name[256] = {};
    DWORD size = 255;
    if (!GetComputerNameW(name, &size)) return {};
    return std::wstring(name, size);
}

std::wstring Win32SystemInfo::SystemMessage(std::int32_t code) {
    wchar_t buffer[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(code), 0, buffer, 512, nullptr);
    return std::wstring(buffer, length);
}

std::wstring Win32SystemInfo::DateSeparator() { return LocaleText(LOCALE_SDATE, L"/"); }
std::wstring Win32SystemInfo::TimeSeparator() { return LocaleText(LOCALE_STIME, L":"); }

LocalTime Win32SystemInfo::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::wstring Win32SystemInfo::ProgramName() {
    std::wstring path = ProgramPath();
    std::size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

ProgramVersion Win32SystemInfo::Version() {
    std::wstring path = ProgramPath();
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<BYTE> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info)
        return kProgramVersion;
    // major.minor.0.revision, as the version resource stores it
    return {static_cast<int>(HIWORD(info->dwFileVersionMS)), static_cast<int>(LOWORD(info->dwFileVersionMS)),
            static_cast<int>(LOWORD(info->dwFileVersionLS))};
}

std::wstring Win32SystemInfo::DataAccessVersion() {
    std::wstring version = L"?";
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"ADODB.Connection", &clsid))) return version;
    ComPtr<IDispatch> connection;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(connection.put()))))
        return version;
    LPOLESTR name = const_cast<LPOLESTR>(L"Version");
    DISPID id = 0;
    if (SUCCEEDED(connection->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) {
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        Variant result;
        if (SUCCEEDED(connection->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                                         nullptr, nullptr)) &&
            SUCCEEDED(VariantChangeType(&result, &result, 0, VT_BSTR)))
            version.assign(result.bstrVal, SysStringLen(result.bstrVal));
    }
    return version;
}

}  // namespace platform
