#pragma once
// frmMain: the main window's behaviour, from start-up to shutdown, its commands and the
// search for the client's installation.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/main_view.h"
#include "app/settings_dialog.h"

namespace app {

class Program;
class clsKalvex3;

class frmMain {
public:
    frmMain(Program& program, MainView& view);
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    MainView& view;

    // Events.
    void Form_Load();
    void Form_Unload(std::int16_t& Cancel);
    void cbtnApply_Click();
    void cbtnInfo_Click();
    void cbtnOpen_Click();
    void cbtnRemoveBanner_Click();
    void cbtnSettings_Click();
    void optFullSizePicture_Click();
    void optOpenURL_Click();

    // Points the shared registry store at the own settings (true) or at the client's registration.
    void SetRegKey(bool bolOwnKey);
    std::wstring GetICQPath();
    bool RightICQPath(std::wstring strPath);
    void SelfSearch();
    std::int16_t GetLanguage();

    const std::wstring& picturePath() const { return strPicPath; }
    const std::wstring& clientFolder() const { return strICQLitePath; }
    // The settings dialog's state outlives each showing of it.
    frmSettings& settingsDialog() { return settings_; }

private:
    clsKalvex3& Changer();
    bool ChangedClient(const std::function<void()>& change);
    std::wstring DataFolder() const;
    void PlaceWindow();
    bool ShowPreview(const std::wstring& path);

    Program& program_;
    std::unique_ptr<clsKalvex3> objChanger;
    std::wstring strPicPath;
    std::wstring strICQLitePath;
    frmSettings settings_;
};

}  // namespace app
