#pragma once
// What frmInfo's behaviour needs of its dialog.

#include <string>

namespace app {

enum class AboutControl { lblVersion, lblWebsite, lblEMail };

class AboutView {
public:
    virtual ~AboutView() = default;
    virtual void SetText(AboutControl control, const std::wstring& text) = 0;
    virtual void Close() = 0;
};

}  // namespace app
