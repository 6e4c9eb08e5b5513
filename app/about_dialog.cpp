#include "app/about_dialog.h"

#include <string>

#include "app/maker.h"
#include "app/program.h"
#include "errors/frame.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace app {

void frmInfo::Form_Load() {
    errors::Frame frame(L"frmInfo.Form_Load", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        const platform::ProgramVersion v = program_.services.system.Version();
        view_.SetText(AboutControl::lblVersion, L"Version " + std::to_wstring(v.major) + L"." +
                                                   std::to_wstring(v.minor) + L"." + std::to_wstring(v.revision));
        frame.at(30);
        view_.SetText(AboutControl::lblWebsite, kMakerWebSite);
        frame.at(40);
        view_.SetText(AboutControl::lblEMail, kSupportEMail);
    });
}

void frmInfo::lblWebsite_Click() {
    errors::Frame frame(L"frmInfo.lblWebsite_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        // The label shows the bare host name; opened as such, the shell would try it as a file first.
        program_.services.shell.Open(std::wstring(L"http://") + kMakerWebSite);
    });
}

void frmInfo::lblEMail_Click() {
    errors::Frame frame(L"frmInfo.lblEMail_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        program_.services.shell.Open(std::wstring(L"mailto: ") + kSupportEMail);
    });
}

void frmInfo::cbtnOk_Click() {
    errors::Frame frame(L"frmInfo.cbtnOk_Click", errors::EventHandler);
    frame.run([&] {
        frame.at(20);
        view_.Close();
    });
}

}  // namespace app
