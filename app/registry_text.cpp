#include "app/registry_text.h"

namespace app {

namespace {

constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

std::u16string Utf16(const std::wstring& text) {
    std::u16string units;
    for (wchar_t c : text) {
        const auto code = static_cast<std::uint32_t>(c);
        if (!kWideIsUtf16 && code > 0xFFFF) {
            units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
    }
    return units;
}

std::wstring Wide(const std::u16string& units) {
    std::wstring text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        const bool pair = i + 1 < units.size() && unit >= 0xD800 && unit <= 0xDBFF && units[i + 1] >= 0xDC00 &&
                          units[i + 1] <= 0xDFFF;
        if (!kWideIsUtf16 && pair) {
            text += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            text += static_cast<wchar_t>(unit);
        }
    }
    return text;
}

}  // namespace

std::vector<std::uint8_t> RegistryBytes(const std::wstring& text) {
    std::vector<std::uint8_t> bytes;
    for (char16_t unit : Utf16(text)) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::wstring RegistryText(const std::vector<std::uint8_t>& bytes) {
    std::u16string units;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const std::uint8_t high = i + 1 < bytes.size() ? bytes[i + 1] : 0;
        units += static_cast<char16_t>(bytes[i] | (high << 8));
    }
    return Wide(units);
}

}  // namespace app
