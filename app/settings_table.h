#pragma once
// Every value that the program keeps in the registry, the two branches it reads and writes,
// and the defaults that the readers pass to ReadEntry.

#include <cstdint>

#include "app/maker.h"
#include "platform/registry.h"

namespace app::settings {

// The properties of objReg that select a branch.
struct Branch {
    std::int32_t rootKey;
    const wchar_t* mainBranch;
    const wchar_t* regBase;
    const wchar_t* program;
    const wchar_t* section;
    platform::RegistryView view;
};

// HKEY_CURRENT_USER\SOFTWARE\www.kalvex.example\ICQLiteKalvex\Settings
inline constexpr Branch kOwnBranch{platform::kHkeyCurrentUser, L"SOFTWARE", kMakerWebSite, L"ICQLiteKalvex",
                                   L"Settings", platform::RegistryView::Own};
// HKEY_LOCAL_MACHINE\SOFTWARE\Mirabilis\ICQ\ICQLite, kept by the client itself. The client is a
// 32-bit program, so on 64-bit Windows its registration is in the 32-bit view, whatever the
// bitness of this program; a client registered in the 64-bit view only is looked for there next.
inline constexpr Branch kClientBranch{platform::kHkeyLocalMachine, L"SOFTWARE", L"Mirabilis", L"ICQ",
                                      L"ICQLite", platform::RegistryView::Bits32};

// Where the locator looks for the client's registration, in turn, below kClientBranch's
// regBase, program and section. A client that registered itself without administrator
// rights was virtualized: its write went to the user's virtual store of the registry, below
// WOW6432Node on 64-bit Windows.
struct Registration {
    std::int32_t rootKey;
    const wchar_t* mainBranch;
    platform::RegistryView view;
};
inline constexpr Registration kClientRegistrations[] = {
    {platform::kHkeyLocalMachine, L"SOFTWARE", platform::RegistryView::Bits32},
    {platform::kHkeyLocalMachine, L"SOFTWARE", platform::RegistryView::Bits64},
    {platform::kHkeyCurrentUser, L"Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\WOW6432Node",
     platform::RegistryView::Bits64},
    {platform::kHkeyCurrentUser, L"Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE", platform::RegistryView::Bits64},
};

struct Setting {
    const wchar_t* name;
    const wchar_t* readDefault;  // what the program uses when the value is missing or empty
};

// The program's own branch.
inline constexpr Setting kPicturePath{L"PicturePath", L""};
inline constexpr Setting kURL{L"URL", kMakerWebSite};
inline constexpr Setting kOpenURL{L"OpenURL", L"False"};  // True or False; numbers read as Booleans too
inline constexpr Setting kICQLitePath{L"ICQLitePath", L""};
inline constexpr Setting kCloseAfterChange{L"CloseAfterChange", L"0"};  // 0 unchecked, 1 checked, 2 greyed
inline constexpr Setting kLanguage{L"Language", L"0"};                  // 1 German, 2 English, 0 the system's
// The window's edges in twips, in the user's number format. Their defaults depend on the
// screen: the reader centres the window.
inline constexpr wchar_t kFormLeft[] = L"FormLeft";
inline constexpr wchar_t kFormTop[] = L"FormTop";

// The client's branch: the path of the client's program file.
inline constexpr Setting kFileName{L"FileName", L""};

}  // namespace app::settings
