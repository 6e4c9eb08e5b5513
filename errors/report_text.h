#pragma once
// Composition of the error report's text: the header, the call stack line and the way
// argument values are shown. Pure functions; the report buffer lives in err_trace.cpp.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "errors/value.h"
#include "platform/system_info.h"

namespace errors::report {

inline constexpr wchar_t kCrLf[] = L"\r\n";

struct SplitName {
    std::wstring name;
    std::wstring argNames;
};
// "clsFile.OpenForOutput(strPath,strBody)" -> "clsFile.OpenForOutput", "strPath,strBody".
SplitName SplitMethodName(std::wstring_view identity);

struct FormattedArgs {
    std::wstring items;       // name=value items joined by ", "
    std::wstring longValues;  // the "Value Of" blocks of values too long to show inline
};
// Never throws: a failure gives an empty result, as a failed composition step must.
FormattedArgs FormatArgValues(std::wstring_view names, const Value& values);

std::wstring ValueToText(const Value& value);
std::wstring IndentXml(std::wstring_view quotedText);
std::wstring PadRight(std::wstring text, wchar_t fill, std::size_t width);
std::wstring SignedNumberText(std::int64_t number);
std::wstring TokenMark();
void ReplaceToken(std::wstring& buffer, std::wstring_view name, std::wstring_view value);

// "Mm/Dd/yy Hh:Nn:Ss" with the system's separators.
std::wstring FormatTime(const platform::LocalTime& time, std::wstring_view dateSeparator,
                        std::wstring_view timeSeparator);

struct HeaderFacts {
    std::wstring methodName;
    std::wstring computer;
    std::wstring time;
    std::wstring app;
    std::wstring version;
    std::wstring adoVersion;
    std::int32_t number = 0;
    std::wstring source;
    std::wstring description;
};
std::wstring FormatErrorHeader(const HeaderFacts& facts);

// The system's message text without line breaks or NUL characters.
std::wstring CleanSystemMessage(std::wstring_view message);

// "  Call Stack: Name(args)  at Line N ----..." padded to 100 characters.
std::wstring CallStackLine(std::wstring_view name, std::wstring_view argItems, std::int32_t statement);

}  // namespace errors::report
