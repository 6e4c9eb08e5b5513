#pragma once
// Builders for expected report text, so that tests state lines the way a reader sees them.

#include <iterator>
#include <string>
#include <vector>

namespace testing_support {

inline std::wstring Line(const std::wstring& text) { return text + L"\r\n"; }

// A call stack line as the report pads it: dashes up to column 100.
inline std::wstring StackLine(const std::wstring& text) {
    std::wstring line = text;
    if (line.size() < 100) line.append(100 - line.size(), L'-');
    return Line(line);
}

// The procedures that a report's call stack lines name, innermost first, each as far as the
// parenthesis that opens its arguments.
inline std::vector<std::wstring> CallStackNames(const std::wstring& report) {
    static constexpr wchar_t kMarker[] = L"  Call Stack: ";
    std::vector<std::wstring> names;
    for (std::size_t at = report.find(kMarker); at != std::wstring::npos; at = report.find(kMarker, at + 1)) {
        const std::size_t start = at + std::size(kMarker) - 1;
        names.push_back(report.substr(start, report.find(L'(', start) - start));
    }
    return names;
}

}  // namespace testing_support
