#include "app/language.h"

#include <string>

#include "app/interface_texts.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/registry_store.h"
#include "app/settings_table.h"
#include "errors/frame.h"
#include "platform/user_locale.h"

namespace app::basMain {

namespace {
constexpr std::uint16_t kGermanGermany = 0x0407;
}

std::int16_t GetSystemLanguage(Program& program) {
    errors::Frame frame(L"basMain.GetSystemLanguage", errors::Procedure);
    return frame.run([&]() -> std::int16_t {
        frame.at(20);
        return program.services.locale.DefaultLanguageId() == kGermanGermany ? kGerman : kEnglish;
    });
}

void SetLanguage(Program& program, frmMain& main, std::int16_t intLang) {
    errors::Frame frame(L"basMain.SetLanguage(intLang)", errors::Procedure, [&] { return errors::Value(intLang); });
    frame.run([&] {
        frame.at(30);
        if (intLang == kGerman || intLang == kEnglish) {
            for (const auto& text : texts::kMainWindow)
                main.view.SetText(text.control, intLang == kGerman ? text.german : text.english);
        }
        frame.at(40);
        program.objReg().WriteEntry(settings::kLanguage.name, std::to_wstring(intLang));
    });
}

}  // namespace app::basMain
