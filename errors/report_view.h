#pragma once
// What frmShowError's behaviour needs of its window.

#include <string>

namespace errors {

// The one report window. It exists from the first SetText until the user closes it.
class ReportView {
public:
    virtual ~ReportView() = default;
    virtual void SetText(const std::wstring& text) = 0;  // creates the window, hidden, when there is none
    virtual bool IsVisible() = 0;
    virtual bool ShowModeless() = 0;  // false when the program's state forbids it (a modal dialog is up)
    virtual void ShowModal() = 0;     // returns when the user has closed the window
    virtual bool Activate() = 0;      // input focus, and so the front
    virtual void PlaceTextBox(int left, int top, int width, int height) = 0;
};

}  // namespace errors
