#include "platform/native/windows_1252.h"

namespace platform {

namespace {

// The characters of bytes 0x80 to 0x9F; the five bytes that the code page leaves undefined
// stand for the control characters of the same number, as Windows converts them.
constexpr char32_t kCharactersOf80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kDefaultCharacter = '?';

char ByteFor(wchar_t character) {
    const auto code = static_cast<char32_t>(character);
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (unsigned i = 0; i < 32; ++i) {
        if (kCharactersOf80To9F[i] == code) return static_cast<char>(0x80 + i);
    }
    return kDefaultCharacter;
}

}  // namespace

std::string Windows1252CodePage::FromWide(const std::wstring& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t character : text) bytes += ByteFor(character);
    return bytes;
}

std::wstring Windows1252CodePage::ToWide(const std::string& bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += static_cast<wchar_t>(code >= 0x80 && code < 0xA0 ? kCharactersOf80To9F[code - 0x80] : code);
    }
    return text;
}

}  // namespace platform
