#pragma once
// Builders for expected report text, so that tests state lines the way a reader sees them.

#include <string>

namespace testing_support {

inline std::wstring Line(const std::wstring& text) { return text + L"\r\n"; }

// A call stack line as the report pads it: dashes up to column 100.
inline std::wstring StackLine(const std::wstring& text) {
    std::wstring line = text;
    if (line.size() < 100) line.append(100 - line.size(), L'-');
    return Line(line);
}

}  // namespace testing_support
