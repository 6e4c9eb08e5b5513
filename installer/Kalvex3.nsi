; Windows installer of Kalvex3 and its control library Vantor1.
; Built by makensis with the files and the version passed as defines:
;   makensis -DKALVEX3_EXE=... -DVANTOR1_DLL=... -DVERSION=3.1.0.8 -DOUTFILE=... Kalvex3.nsi
; Silent use: "Kalvex3-setup.exe /S" installs, "Uninstall.exe /S" removes.
; The uninstaller leaves the user's own settings (HKCU\SOFTWARE\www.kalvex.example\ICQLiteKalvex)
; in place, so that a later installation finds them again.

!ifndef KALVEX3_EXE | VANTOR1_DLL | VERSION | OUTFILE
  !error "Pass KALVEX3_EXE, VANTOR1_DLL, VERSION and OUTFILE with -D"
!endif

!include LogicLib.nsh

; Both binaries are 64-bit: a 64-bit installer writes the 64-bit registry view, loads the
; control library for its self-registration and finds the 64-bit Program Files folder.
Target amd64-unicode
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Kalvex3"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "Kalvex 3"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "Kalvex"
VIAddVersionKey /LANG=0 "LegalCopyright" "Kalvex"
VIAddVersionKey /LANG=0 "FileDescription" "Kalvex 3 Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Kalvex3"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=Kalvex3.exe" "${KALVEX3_EXE}"
  File "/oname=Vantor1.dll" "${VANTOR1_DLL}"

  ; The uninstaller and its entry come before the registration, so that an installation
  ; whose registration fails can still be removed.
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Kalvex 3"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kalvex"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kalvex3.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  CreateShortcut "$SMPROGRAMS\Kalvex 3.lnk" "$INSTDIR\Kalvex3.exe"

  ; Without its buttons' registration the program cannot show its windows: a failure here
  ; must end the installation as failed, not as done.
  ClearErrors
  RegDLL "$INSTDIR\Vantor1.dll"
  ${If} ${Errors}
    MessageBox MB_ICONSTOP "The control library Vantor1.dll could not be registered." /SD IDOK
    Abort
  ${EndIf}
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  UnRegDLL "$INSTDIR\Vantor1.dll"
  Delete "$SMPROGRAMS\Kalvex 3.lnk"
  Delete "$INSTDIR\Kalvex3.exe"
  Delete "$INSTDIR\Vantor1.dll"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: files the user put there stay.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
