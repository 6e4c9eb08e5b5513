#include "platform/win32/command_line.h"

namespace platform {

namespace {

bool NeedsQuotes(const std::wstring& text) {
    return text.empty() || text.find_first_of(L" \t\n\v\"") != std::wstring::npos;
}

// Backslashes are literal except before a quote, where they are escapes; so only those
// that come before a quote, or before the closing quote, are doubled.
std::wstring Quoted(const std::wstring& argument) {
    if (!NeedsQuotes(argument)) return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

}  // namespace

// The program name follows simpler rules (no escapes): quotes only where it holds blanks.
std::wstring CommandLine(const std::wstring& program, const std::vector<std::wstring>& arguments) {
    std::wstring line = program.find_first_of(L" \t") == std::wstring::npos ? program : L"\"" + program + L"\"";
    for (const std::wstring& argument : arguments) line += L" " + Quoted(argument);
    return line;
}

}  // namespace platform
