// The report window's show rules: one window, modeless unless a modal dialog forbids it.

#include <gtest/gtest.h>

#include "errors/report_window.h"
#include "support/recording_report_window.h"

using namespace errors;
using Calls = std::vector<std::string>;

TEST(ReportForm, FirstReportShowsModelessThenLaterOnesOnlyReplaceText) {
    testing_support::RecordingReportWindow window;
    SetErrorReport(window, L"one");
    EXPECT_EQ(window.calls, (Calls{"SetText", "ShowModeless", "Activate"}));
    window.calls.clear();
    SetErrorReport(window, L"two");
    EXPECT_EQ(window.calls, (Calls{"SetText", "Activate"}));
    EXPECT_EQ(window.text, L"two");
}

TEST(ReportForm, FallsBackToModalWhenModelessIsRefused) {
    testing_support::RecordingReportWindow window;
    window.modelessRefused = true;
    SetErrorReport(window, L"report");
    EXPECT_EQ(window.calls, (Calls{"SetText", "ShowModeless", "ShowModal", "Activate"}));
}
