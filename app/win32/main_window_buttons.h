#pragma once
// The main window's buttons as it stores them: every one shows its small picture
// unstretched. The start benchmark creates the same five, so they are written once.

#include "app/win32/container/stored_button.h"
#include "app/win32/resources.h"

namespace app::win32 {

inline constexpr StoredButton kSettingsButton{L"Einstellungen", kRectangle, kWindowBackground, kBlack, IDI_SETTINGS,
                                              false, 975};
inline constexpr StoredButton kInfoButton{L"Info", kRectangle, kWindowBackground, kButtonText, IDI_INFO, false, 975};
inline constexpr StoredButton kOpenButton{L"Bild öffnen", kRoundedRectangle, kTooltipBackground, kButtonText, IDI_OPEN,
                                          false, 975};
inline constexpr StoredButton kApplyButton{L"Änderungen übernehmen", kRoundedRectangle, kTooltipBackground,
                                           kButtonText, IDI_APPLY, false, 975};
inline constexpr StoredButton kRemoveBannerButton{L"Banner entfernen", kRoundedRectangle, kTooltipBackground, kBlack,
                                                  IDI_BANNER, false, 975};

}  // namespace app::win32
