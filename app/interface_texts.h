#pragma once
// Every text the program shows, in German and English, and the ones that exist in German only.

#include "app/main_view.h"
#include "app/settings_view.h"

namespace app::texts {

// A control's text in each of the two languages.
template <class Control>
struct ControlText {
    Control control;
    const wchar_t* german;
    const wchar_t* english;
};

// In the order in which the language switch sets them.
inline constexpr ControlText<MainControl> kMainWindow[] = {
    {MainControl::cbtnApply, L"Änderungen übernehmen", L"Apply Changes"},
    {MainControl::cbtnOpen, L"Bild auswählen", L"Choose Picture"},
    {MainControl::cbtnRemoveBanner, L"Banner entfernen", L"Remove Banner"},
    {MainControl::cbtnSettings, L"Einstellungen", L"Settings"},
    {MainControl::fraPictureClick, L"Beim Klicken auf das Bild...", L"On Picture click..."},
    {MainControl::lblPreview, L"Vorschau", L"Preview"},
    {MainControl::lblRemovedBanner, L"Banner wurde bereits entfernt", L"Banner is already removed"},
    {MainControl::optFullSizePicture, L"Bild in original Größe anzeigen", L"Show Picture in original size"},
    {MainControl::optOpenURL, L"Folgende URL öffnen", L"Open following URL"},
};

inline constexpr ControlText<SettingsControl> kSettingsDialog[] = {
    {SettingsControl::lblLanguage, L"Sprache", L"Language"},
    {SettingsControl::chkCloseAfterApply, L"Nach Übernahme der Änderungen den Kalvex schließen",
     L"Close Kalvex after applied changes"},
    {SettingsControl::cmdCancel, L"Abbrechen", L"Cancel"},
    {SettingsControl::Title, L"Einstellungen", L"Settings"},
};

inline constexpr const wchar_t* kLanguageNames[] = {L"Deutsch", L"English"};

// Message boxes of the main window carry the application title.
inline constexpr wchar_t kMessageTitle[] = L"Kalvex3";

inline constexpr wchar_t kAppliedGerman[] = L"Änderungen wurden übernommen";
inline constexpr wchar_t kAppliedEnglish[] = L"Changes have been applied";
inline constexpr wchar_t kNoClientFolderGerman[] =
    L"Sie haben den ICQLite Pfad nicht angegeben und können deshalb diese Funktion nicht nutzen";
inline constexpr wchar_t kNoClientFolderEnglish[] = L"You did not specified the ICQLite path and can not use this function";
inline constexpr wchar_t kSearchQuestionGerman[] =
    L"Die ICQLite.exe konnte nicht gefunden werden, wollen Sie selbst nach ihr suchen?";
inline constexpr wchar_t kSearchQuestionEnglish[] = L"ICQLite.exe could not be found would you like to search it?";
inline constexpr wchar_t kWrongChoiceGerman[] = L"Sie haben einen falschen Pfad gewählt";
inline constexpr wchar_t kWrongChoiceEnglish[] = L"You have chosen a wrong path";
// Before and after the client's data folder.
inline constexpr const wchar_t* kElevationEnglish[] = {
    L"Kalvex 3 may not change the files of ICQ Lite in ",
    L". This needs administrator rights. Start Kalvex 3 as administrator?"};
inline constexpr const wchar_t* kElevationGerman[] = {
    L"Kalvex 3 darf die Dateien von ICQ Lite in ",
    L" nicht ändern. Dafür sind Administratorrechte nötig. Kalvex 3 als Administrator starten?"};

// The file dialogs' filters read the same in both languages.
inline constexpr wchar_t kPictureFilter[] = L"Bilddateien(*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp";
inline constexpr wchar_t kProgramFilter[] = L"EXE Datei|*.exe";

// German when the code is 1, English for every other code.
inline const wchar_t* Pick(short language, const wchar_t* german, const wchar_t* english) {
    return language == 1 ? german : english;
}

}  // namespace app::texts
