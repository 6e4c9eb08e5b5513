#pragma once
// The system's open-file dialog.

#include <optional>
#include <string>

namespace platform {

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // filter: pairs of description and patterns, all joined by "|" ("Bilder|*.jpg;*.gif").
    // The chosen file's full path; nothing when the user cancelled or no dialog could be shown.
    virtual std::optional<std::wstring> ShowOpen(const std::wstring& filter) = 0;
};

}  // namespace platform
