#include "platform/win32/message_box.h"

#include <windows.h>

namespace platform {

namespace {

UINT ButtonsStyle(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return MB_OK;
    case MessageButtons::OkCancel: return MB_OKCANCEL;
    case MessageButtons::YesNo: return MB_YESNO;
    case MessageButtons::YesNoCancel: return MB_YESNOCANCEL;
    }
    return MB_OK;
}

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None: return 0;
    case MessageIcon::Critical: return MB_ICONHAND;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
    case MessageIcon::Information: return MB_ICONASTERISK;
    }
    return 0;
}

}  // namespace

MessageResult Win32MessageBoxes::Show(const std::wstring& text, const std::wstring& title, MessageButtons buttons,
                                      MessageIcon icon) {
    HWND owner = GetActiveWindow();
    switch (MessageBoxW(owner, text.c_str(), title.c_str(), ButtonsStyle(buttons) | IconStyle(icon) | MB_SETFOREGROUND)) {
    case IDYES: return MessageResult::Yes;
    case IDNO: return MessageResult::No;
    case IDCANCEL: return MessageResult::Cancel;
    default: return MessageResult::Ok;
    }
}

}  // namespace platform
