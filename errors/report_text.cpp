#include "errors/report_text.h"

#include <cstdio>
#include <vector>

#include "errors/err_trace.h"
#include "errors/late_bound.h"
#include "errors/number_text.h"

namespace errors::report {

namespace {

constexpr std::size_t kCallStackWidth = 100;
constexpr std::size_t kInlineValueLimit = 40;
constexpr wchar_t kMark = L'\x08';

constexpr wchar_t kHeaderTemplate[] =
    L"%Descr% %nl%"
    L"  Time='%Time%' App='%App%:%Ver%' ADO-version='%ADOVersion%' Computer='%Comp%' %nl%"
    L"  Method: %MethodName% %nl%"
    L"  Number: %ErrNum% = &H%ErrHex% = vbObjectError %ErrNumRel1% = ERRMAP_APP_FIRST %ErrNumRel2% %ErrStd%%nl%"
    L"  Source: %Source% %nl%"
    L"  Description: %Descr%%nl%";

std::vector<std::wstring> Split(std::wstring_view text, wchar_t separator) {
    std::vector<std::wstring> pieces;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(separator, start);
        pieces.emplace_back(text.substr(start, at == std::wstring_view::npos ? std::wstring_view::npos : at - start));
        if (at == std::wstring_view::npos) return pieces;
        start = at + 1;
    }
}

void ReplaceAll(std::wstring& text, std::wstring_view what, std::wstring_view with) {
    if (what.empty()) return;
    std::size_t at = 0;
    while ((at = text.find(what, at)) != std::wstring::npos) {
        text.replace(at, what.size(), with);
        at += with.size();
    }
}

std::wstring DoubleText(double value) {
    std::wstring text = ShortestText(value);
    for (wchar_t& c : text)
        if (c == L'e') c = L'E';
    return text;
}

std::wstring TwoDigits(int value) {
    wchar_t buffer[8];
    std::swprintf(buffer, 8, L"%02d", value % 100);
    return buffer;
}

std::wstring IndentLines(std::wstring_view text) {
    std::wstring indented = L"      ";
    indented += text;
    ReplaceAll(indented, kCrLf, L"\r\n      ");
    return indented;
}

}  // namespace

SplitName SplitMethodName(std::wstring_view identity) {
    SplitName result;
    if (identity.empty()) return result;
    std::vector<std::wstring> pieces = Split(identity, L'(');
    result.name = pieces[0];
    if (pieces.size() > 1 && !pieces[1].empty()) result.argNames = pieces[1].substr(0, pieces[1].size() - 1);
    return result;
}

std::wstring ValueToText(const Value& value) {
    struct Visitor {
        std::wstring operator()(const Value::Absent&) const { return {}; }
        std::wstring operator()(const Value::Empty&) const { return L"{Empty}"; }
        std::wstring operator()(const Value::Null&) const { return L"{Null}"; }
        std::wstring operator()(std::int16_t v) const { return std::to_wstring(v); }
        std::wstring operator()(std::int32_t v) const { return std::to_wstring(v); }
        std::wstring operator()(double v) const { return DoubleText(v); }
        std::wstring operator()(bool v) const { return v ? L"True" : L"False"; }
        std::wstring operator()(const std::wstring& v) const { return L"'" + v + L"'"; }
        std::wstring operator()(const Value::Object& v) const {
            return L"{" + (v.object ? v.object->TypeName() : std::wstring(L"Nothing")) + L"}";
        }
        std::wstring operator()(const Value::Array&) const { return L"{Array}"; }
    };
    try {
        return std::visit(Visitor{}, value.data());
    } catch (...) {
        return L"{?}";
    }
}

std::wstring IndentXml(std::wstring_view quotedText) {
    std::wstring_view text = quotedText.size() >= 2 ? quotedText.substr(1, quotedText.size() - 2) : std::wstring_view();
    std::vector<std::wstring> pieces = Split(text, L'<');
    std::wstring result = pieces[0];
    int level = 0;
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        const std::wstring& piece = pieces[i];
        int indent = level;
        if (!piece.empty() && piece[0] == L'/') {
            if (--level < 0) return std::wstring(text);
            indent = level;
        } else if (piece.find(L"/>") == std::wstring::npos) {
            ++level;
        }
        if (i > 1) result += kCrLf;
        result.append(static_cast<std::size_t>(indent) * 2, L' ');
        result += L'<';
        result += piece;
    }
    return result;
}

FormattedArgs FormatArgValues(std::wstring_view names, const Value& values) {
    FormattedArgs out;
    try {
        Value::Array list = values.isArray() ? std::get<Value::Array>(values.data()) : Value::Array{values};
        std::vector<std::wstring> nameList;
        if (!names.empty()) nameList = Split(names, L',');
        for (std::size_t i = 0; i < list.size(); ++i) {
            std::wstring name = i < nameList.size() ? nameList[i] : std::wstring();
            std::wstring text = ValueToText(list[i]);
            if (text.find(kCrLf) != std::wstring::npos || text.size() > kInlineValueLimit) {
                if (name.starts_with(L"xml") && text.starts_with(L"'<")) text = IndentXml(text);
                if (!out.longValues.empty()) out.longValues += kCrLf;
                out.longValues += L"    Value Of " + name + L":" + kCrLf + IndentLines(text);
                text = L"{Text}";
            }
            if (!out.items.empty()) out.items += L", ";
            out.items += name.empty() ? text : name + L"=" + text;
        }
        return out;
    } catch (...) {
        return {};
    }
}

std::wstring PadRight(std::wstring text, wchar_t fill, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), fill);
    return text;
}

std::wstring SignedNumberText(std::int64_t number) {
    if (number >= 0) return L"+ " + std::to_wstring(number);
    return L"- " + std::to_wstring(-number);
}

std::wstring TokenMark() { return std::wstring(1, kMark); }

void ReplaceToken(std::wstring& buffer, std::wstring_view name, std::wstring_view value) {
    ReplaceAll(buffer, TokenMark() + std::wstring(name) + TokenMark(), value);
}

std::wstring FormatTime(const platform::LocalTime& time, std::wstring_view dateSeparator,
                        std::wstring_view timeSeparator) {
    std::wstring text = TwoDigits(time.month);
    text += dateSeparator;
    text += TwoDigits(time.day);
    text += dateSeparator;
    text += TwoDigits(time.year);
    text += L' ';
    text += TwoDigits(time.hour);
    text += timeSeparator;
    text += TwoDigits(time.minute);
    text += timeSeparator;
    text += TwoDigits(time.second);
    return text;
}

std::wstring FormatErrorHeader(const HeaderFacts& facts) {
    std::wstring buffer = kHeaderTemplate;
    for (wchar_t& c : buffer)
        if (c == L'%') c = kMark;

    // Widened: a 32-bit difference overflows for numbers of 262144 and above.
    const std::int64_t number = facts.number;
    wchar_t hex[16];
    std::swprintf(hex, 16, L"%X", static_cast<unsigned>(static_cast<std::uint32_t>(facts.number)));

    ReplaceToken(buffer, L"nl", kCrLf);
    ReplaceToken(buffer, L"MethodName", facts.methodName);
    ReplaceToken(buffer, L"Comp", facts.computer);
    ReplaceToken(buffer, L"Time", facts.time);
    ReplaceToken(buffer, L"App", facts.app);
    ReplaceToken(buffer, L"Ver", facts.version);
    ReplaceToken(buffer, L"ADOVersion", facts.adoVersion);
    ReplaceToken(buffer, L"ErrNum", std::to_wstring(facts.number));
    ReplaceToken(buffer, L"ErrHex", hex);
    ReplaceToken(buffer, L"ErrNumRel1", SignedNumberText(number - kObjectErrorBase));
    ReplaceToken(buffer, L"ErrNumRel2", SignedNumberText(number - kErrMapAppFirst));
    ReplaceToken(buffer, L"ErrStd", facts.number == kErrGeneral ? L"= ERR_GENERAL" : L"");
    ReplaceToken(buffer, L"Source", facts.source);
    ReplaceToken(buffer, L"Descr", facts.description);

    for (wchar_t& c : buffer)
        if (c == kMark) c = L'%';
    return buffer;
}

std::wstring CleanSystemMessage(std::wstring_view message) {
    std::wstring text(message);
    ReplaceAll(text, kCrLf, L"");
    std::erase(text, L'\0');
    return text;
}

std::wstring CallStackLine(std::wstring_view name, std::wstring_view argItems, std::int32_t statement) {
    std::wstring line = L"  Call Stack: ";
    line += name;
    line += L"(";
    line += argItems;
    line += L")";
    if (statement != 0) line += L"  at Line " + std::to_wstring(statement);
    line += L' ';
    return PadRight(std::move(line), L'-', kCallStackWidth);
}

}  // namespace errors::report
