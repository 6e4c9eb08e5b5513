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
    bool modelessRefused = false;  // as while a modal dialog is up
    std::vector<std::string> calls;

    void SetText(const std::wstring& t) override { text = t; calls.push_back("SetText"); }
    bool IsVisible() override { return visible; }
    bool ShowModeless() override {
        calls.push_back("ShowModeless");
        if (modelessRefused) return false;
        visible = true;
        return true;
    }
    void ShowModal() override { calls.push_back("ShowModal"); }
    bool Activate() override { calls.push_back("Activate"); return true; }
    void PlaceTextBox(int l, int t, int w, int h) override {
        calls.push_back("PlaceTextBox " + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(w) +
                        "," + std::to_string(h));
    }
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
