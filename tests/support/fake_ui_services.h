#pragma once
// The user's side of the dialogs, answered by the test.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/file_dialog.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/user_locale.h"

namespace testing_support {

class ScriptedFileDialog final : public platform::FileDialog {
public:
    std::deque<std::optional<std::wstring>> answers;  // nothing: cancelled
    std::vector<std::wstring> filters;
    std::optional<std::wstring> ShowOpen(const std::wstring& filter) override {
        filters.push_back(filter);
        if (answers.empty()) return std::nullopt;
        std::optional<std::wstring> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class RecordingShell final : public platform::Shell {
public:
    std::vector<std::wstring> opened;
    void Open(const std::wstring& target) override { opened.push_back(target); }
};

// One monitor of 1024 x 768 pixels at 96 dpi, its work area the whole screen.
class FakeScreen final : public platform::Screen {
public:
    float width = 1024 * 15, height = 768 * 15;
    float WidthTwips() override { return width; }
    float HeightTwips() override { return height; }
    bool TouchesAnyWorkArea(const platform::TwipsRect& r) override {
        return r.left < width && r.top < height && r.left + r.width > 0 && r.top + r.height > 0;
    }
};

class FakeUserLocale final : public platform::UserLocale {
public:
    std::uint16_t languageId = 0x0409;
    wchar_t decimalSeparator = L'.';
    std::uint16_t DefaultLanguageId() override { return languageId; }
    wchar_t DecimalSeparator() override { return decimalSeparator; }
};

// A standard user's environment on 64-bit Windows, whose Program Files folders have German names.
class FakeEnvironment final : public platform::Environment {
public:
    std::map<std::wstring, std::wstring> variables{
        {L"LOCALAPPDATA", L"C:\\Users\\Anna\\AppData\\Local"}, {L"ProgramFiles", L"C:\\Programme"},
        {L"ProgramFiles(x86)", L"C:\\Programme (x86)"},          {L"SystemRoot", L"C:\\Windows"}};
    std::wstring Variable(const std::wstring& name) override { return variables[name]; }
};

}  // namespace testing_support
