#pragma once
// Windows without pixels: they hold the state that the windows' behaviour sets and reads.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/about_view.h"
#include "app/main_view.h"
#include "app/settings_view.h"
#include "error/error.h"

namespace testing_support {

class FakeMainView final : public app::MainView {
public:
    using C = app::MainControl;
    std::map<C, std::wstring> text{{C::cbtnApply, L"Änderungen übernehmen"}};  // as the stored layout has it
    std::map<C, bool> visible{{C::lblNotFound, false}, {C::cbtnRemoveBanner, true}};
    std::map<C, bool> enabled{{C::txtURL, false}, {C::cbtnApply, true}};
    C selectedOption = C::optFullSizePicture;
    std::optional<std::wstring> preview;
    std::vector<std::wstring> unreadablePictures;
    float left = 0, top = 0, width = 4695, height = 5445;
    bool closed = false;

    void SetText(C control, const std::wstring& t) override { text[control] = t; }
    std::wstring Text(C control) override { return text[control]; }
    void SetVisible(C control, bool v) override { visible[control] = v; }
    void SetEnabled(C control, bool e) override { enabled[control] = e; }
    bool IsSelected(C option) override { return selectedOption == option; }
    void Select(C option) override { selectedOption = option; }
    void LoadPreview(const std::wstring& path) override {
        for (const std::wstring& bad : unreadablePictures)
            if (bad == path) errors::Raise(481, L"Kalvex3", L"Invalid picture");
        preview = path;
    }
    float Left() override { return left; }
    float Top() override { return top; }
    float Width() override { return width; }
    float Height() override { return height; }
    void Move(float l, float t) override {
        left = l;
        top = t;
    }
    void Close() override { closed = true; }
    void ShowSettingsDialog() override {}
    void ShowAboutDialog() override {}
};

class FakeSettingsView final : public app::SettingsView {
public:
    std::map<app::SettingsControl, std::wstring> text;
    int checkState = 0;
    std::vector<std::wstring> languages;
    int selected = -1;
    bool closed = false;

    void SetText(app::SettingsControl control, const std::wstring& t) override { text[control] = t; }
    void SetCheckState(int state) override {
        if (state < 0 || state > 2) errors::Raise(errors::RuntimeError::InvalidPropertyValue);
        checkState = state;
    }
    int CheckState() override { return checkState; }
    void AddLanguage(const std::wstring& t) override { languages.push_back(t); }
    int LanguageCount() override { return static_cast<int>(languages.size()); }
    void SelectLanguage(int position) override { selected = position; }
    int SelectedLanguage() override { return selected; }
    void Close() override { closed = true; }
};

class FakeAboutView final : public app::AboutView {
public:
    std::map<app::AboutControl, std::wstring> text;
    bool closed = false;
    void SetText(app::AboutControl control, const std::wstring& t) override { text[control] = t; }
    void Close() override { closed = true; }
};

}  // namespace testing_support
