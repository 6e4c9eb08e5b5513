#pragma once
// What frmInfo's behaviour needs of its dialog.

#include <string>

namespace app {

enum class InfoControl { lblVersion, lblWebsite, lblEMail };

class InfoView {
public:
    virtual ~InfoView() = default;
    virtual void SetText(InfoControl control, const std::wstring& text) = 0;
    virtual void Close() = 0;
};

}  // namespace app
