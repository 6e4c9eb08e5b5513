// Times what Kalvex3 pays for its buttons at start: the main window's five cButtons created
// through the program's container, each restored from its stored layout and activated in
// place, in a window as the main window has them. The first window of a process counts as
// the start (the library and its type information are loaded then); the later ones show
// what a window opened while the program runs pays (their median and the fastest, which a
// busy machine disturbs least). Prints milliseconds:
//
//     button_creation first=6.10 later=3.20 fastest=2.90 windows=20
//
// Usage: button_creation [WINDOWS]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "app/win32/form.h"
#include "app/win32/main_window_buttons.h"
#include "app/win32/resources.h"
#include "exception/error.h"

namespace {

using namespace app::win32;
using Clock = std::chrono::steady_clock;


class ButtonWindow final : public Form {
public:
    ButtonWindow() : Form(GetModuleHandleW(nullptr)) {
        Create(nullptr, WS_OVERLAPPEDWINDOW, 0, L"Buttons", 4575, 5000);
    }

    double AddFiveButtons() {
        const auto start = Clock::now();
        AddButton(kOpenButton, {240, 1080, 2295, 615}, [] {});
        AddButton(kRemoveBannerButton, {240, 360, 2295, 615}, [] {});
        AddButton(kApplyButton, {120, 3480, 4335, 615}, [] {});
        AddButton(kInfoButton, {120, 4200, 2055, 615}, [] {});
        AddButton(kSettingsButton, {2400, 4200, 2055, 615}, [] {});
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int windows = argc > 1 ? std::max(2, _wtoi(argv[1])) : 20;
    OleInitialize(nullptr);
    std::vector<double> times;
    try {
        for (int i = 0; i < windows; ++i) {
            ButtonWindow window;
            times.push_back(window.AddFiveButtons());
        }
    } catch (const errors::Error& e) {
        std::fwprintf(stderr, L"button_creation: error %d: %ls\n", e.record().number, e.record().description.c_str());
        return 1;
    }
    OleUninitialize();
    std::sort(times.begin() + 1, times.end());
    std::printf("button_creation first=%.2f later=%.2f fastest=%.2f windows=%d\n", times[0],
                times[1 + (windows - 1) / 2], times[1], windows);
    return 0;
}
