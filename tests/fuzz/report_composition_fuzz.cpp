// Feeds arbitrary text to the report composition helpers: names, values, XML and
// description text all come from the failing procedure and may hold anything.

#include <cstddef>
#include <cstdint>
#include <string>

#include "errors/report_text.h"

namespace {

// Two bytes a character, so that marks, quotes, '<' and line breaks are all reachable.
std::wstring Text(const std::uint8_t*& data, std::size_t& size, std::size_t maxChars) {
    std::wstring text;
    while (size >= 2 && text.size() < maxChars) {
        wchar_t c = static_cast<wchar_t>(data[0] | (data[1] << 8));
        data += 2;
        size -= 2;
        if (c == 0xFFFF) break;  // field separator
        text += c;
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace errors;
    using namespace errors::report;

    const std::wstring identity = Text(data, size, 200);
    const std::wstring value1 = Text(data, size, 400);
    const std::wstring value2 = Text(data, size, 400);
    const std::wstring description = Text(data, size, 400);

    SplitName split = SplitMethodName(identity);
    FormatArgValues(split.argNames, Args(value1, value2, std::int16_t{1}));
    FormatArgValues(L"xmlA,xmlB", Args(value1, value2));
    FormatArgValues(split.argNames, Value(value1));
    IndentXml(L"'" + value1 + L"'");
    IndentXml(value2);

    std::wstring buffer = value1;
    ReplaceToken(buffer, value2, description);

    HeaderFacts facts;
    facts.methodName = split.name;
    facts.description = description;
    facts.source = value2;
    facts.number = static_cast<std::int32_t>(value1.size() * 2654435761u);
    FormatErrorHeader(facts);
    CallStackLine(split.name, value1, static_cast<std::int32_t>(value2.size()));
    CleanSystemMessage(description);
    return 0;
}
