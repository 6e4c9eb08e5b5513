#pragma once
// The user's side of the dialogs, answered by the test.

#include <deque>
#include <optional>
#include <string>
#include <vector>

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

class IgnoringShell final : public platform::Shell {
public:
    void Open(const std::wstring&) override {}
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

}  // namespace testing_support
