#pragma once
// basMain: the interface language of the whole program.

#include <cstdint>

namespace app {

class Program;
class frmMain;

inline constexpr std::int16_t kGerman = 1;
inline constexpr std::int16_t kEnglish = 2;

namespace basMain {

// German for a German (Germany) Windows, English for every other language.
std::int16_t GetSystemLanguage(Program& program);
// Puts the language's texts into the main window and stores the code.
void SetLanguage(Program& program, frmMain& main, std::int16_t intLang);

}  // namespace basMain
}  // namespace app
