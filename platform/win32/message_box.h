#pragma once
// The system message box, owned by the window that has the user's attention.

#include "platform/message_box.h"

namespace platform {

class Win32MessageBoxes final : public MessageBoxes {
public:
    MessageResult Show(const std::wstring& text, const std::wstring& title, MessageButtons buttons,
                       MessageIcon icon) override;
};

}  // namespace platform
