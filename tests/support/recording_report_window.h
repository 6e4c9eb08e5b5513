#pragma once
// A report window and message box that remember what they were asked to show.

#include <string>
#include <vector>

#include "errors/report_view.h"
#include "platform/message_box.h"

namespace testing_support {

class RecordingReportWindow final : public errors::ReportView {
public:
    std::wstring text;
    bool visible = false;
    std::vector<std::string> calls;

    void SetText(const std::wstring& t) override { text = t; calls.push_back("SetText"); }
    bool IsVisible() override { return visible; }
    bool ShowModeless() override {
        calls.push_back("ShowModeless");
        visible = true;
        return true;
    }
    void ShowModal() override { calls.push_back("ShowModal"); }
    bool Activate() override { calls.push_back("Activate"); return true; }
    void PlaceTextBox(int, int, int, int) override {}
};

class RecordingMessageBoxes final : public platform::MessageBoxes {
public:
    struct Shown {
        std::wstring text, title;
        platform::MessageButtons buttons;
        platform::MessageIcon icon;
    };
    std::vector<Shown> shown;
    platform::MessageResult answer = platform::MessageResult::Ok;

    platform::MessageResult Show(const std::wstring& text, const std::wstring& title, platform::MessageButtons buttons,
                                 platform::MessageIcon icon) override {
        shown.push_back({text, title, buttons, icon});
        return answer;
    }
};

}  // namespace testing_support
