#pragma once
// The system's modal message box.

#include <string>

namespace platform {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageResult Show(const std::wstring& text, const std::wstring& title, MessageButtons buttons,
                               MessageIcon icon) = 0;
};

}  // namespace platform
