#pragma once
// The maker's web site and support address, the same text wherever they appear.

namespace app {

inline constexpr wchar_t kMakerWebSite[] = L"www.kalvex.example";
inline constexpr wchar_t kSupportEMail[] = L"support@kalvex.example";

}  // namespace app
