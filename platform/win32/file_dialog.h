#pragma once
// The system's common open-file dialog.

#include "platform/file_dialog.h"

namespace platform {

// "description|patterns|..." as the dialog takes it: each part ended by a NUL, the list by one more.
std::wstring DialogFilter(const std::wstring& filter);

class Win32FileDialog final : public FileDialog {
public:
    // Owned by the window that has the user's attention; only existing files can be chosen.
    std::optional<std::wstring> ShowOpen(const std::wstring& filter) override;
};

}  // namespace platform
