; Windows installer of Kalvex3 and its control library Vantor1, one setup for 64-bit and
; 32-bit Windows. Built by makensis with the files and the version passed as defines:
;   makensis -DKALVEX3_EXE=... -DVANTOR1_DLL=... -DKALVEX3_EXE_32=... -DVANTOR1_DLL_32=...
;            -DVERSION=3.1.0.8 -DOUTFILE=... Kalvex3.nsi
; Silent use: "Kalvex3-setup.exe /S" installs, "Uninstall.exe /S" removes.
; On 64-bit Windows the 64-bit program and library go to Program Files\Kalvex3, and the 32-bit
; library, which 32-bit containers need, to Program Files (x86)\Kalvex3. On 32-bit Windows the
; 32-bit program and library go to Program Files\Kalvex3.
; The uninstaller leaves the user's own settings (HKCU\SOFTWARE\www.kalvex.example\ICQLiteKalvex)
; in place, so that a later installation finds them again.

!ifndef KALVEX3_EXE | VANTOR1_DLL | KALVEX3_EXE_32 | VANTOR1_DLL_32 | VERSION | OUTFILE
  !error "Pass KALVEX3_EXE, VANTOR1_DLL, KALVEX3_EXE_32, VANTOR1_DLL_32, VERSION and OUTFILE with -D"
!endif

!include LogicLib.nsh
!include x64.nsh

; A 32-bit setup, so that it runs on 32-bit Windows as well. On 64-bit Windows it names the
; 64-bit registry view and Program Files folder itself, and leaves the 64-bit library to the
; 64-bit regsvr32, since a 32-bit process cannot load it.
Target x86-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Kalvex3"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "Kalvex 3"
OutFile "${OUTFILE}"
; The 64-bit Program Files on 64-bit Windows, the only one on 32-bit Windows.
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

; Where the 32-bit library lives: beside the program on 32-bit Windows, otherwise in the
; 32-bit Program Files folder. Into $R0.
!macro FolderOf32BitLibrary
  StrCpy $R0 "$INSTDIR"
  ${If} ${RunningX64}
    StrCpy $R0 "$PROGRAMFILES32\${PRODUCT}"
  ${EndIf}
!macroend

; Apps and Features reads a 64-bit program's entry from the 64-bit view.
!macro UseNativeRegistryView
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
!macroend

Function .onInit
  !insertmacro UseNativeRegistryView
FunctionEnd

Function un.onInit
  !insertmacro UseNativeRegistryView
FunctionEnd

Function .onVerifyInstDir
  ; That folder belongs to the 32-bit library; the 64-bit one would be overwritten there.
  ${If} ${RunningX64}
  ${AndIf} "$INSTDIR" == "$PROGRAMFILES32\${PRODUCT}"
    Abort
  ${EndIf}
FunctionEnd

Section "Kalvex3"
  SetShellVarContext all
  !insertmacro FolderOf32BitLibrary
  SetOutPath "$R0"
  File "/oname=Vantor1.dll" "${VANTOR1_DLL_32}"
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=Kalvex3.exe" "${KALVEX3_EXE}"
    File "/oname=Vantor1.dll" "${VANTOR1_DLL}"
  ${Else}
    File "/oname=Kalvex3.exe" "${KALVEX3_EXE_32}"
  ${EndIf}

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
  ; must end the installation as failed, not as done. Each library registers itself into the
  ; registry view of its own bitness: the 32-bit one inside this 32-bit process.
  StrCpy $R1 ""
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
    ClearErrors
    ExecWait '"$SYSDIR\regsvr32.exe" /s "$INSTDIR\Vantor1.dll"' $0
    ${EnableX64FSRedirection}
    ${If} ${Errors}
    ${OrIf} $0 <> 0
      StrCpy $R1 "$\r$\n$INSTDIR\Vantor1.dll"
    ${EndIf}
  ${EndIf}
  ClearErrors
  RegDLL "$R0\Vantor1.dll"
  ${If} ${Errors}
    StrCpy $R1 "$R1$\r$\n$R0\Vantor1.dll"
  ${EndIf}
  ${If} $R1 != ""
    MessageBox MB_ICONSTOP "The control library could not be registered:$R1" /SD IDOK
    Abort
  ${EndIf}
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  !insertmacro FolderOf32BitLibrary
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
    ExecWait '"$SYSDIR\regsvr32.exe" /s /u "$INSTDIR\Vantor1.dll"'
    ${EnableX64FSRedirection}
  ${EndIf}
  UnRegDLL "$R0\Vantor1.dll"
  Delete "$SMPROGRAMS\Kalvex 3.lnk"
  Delete "$INSTDIR\Kalvex3.exe"
  Delete "$INSTDIR\Vantor1.dll"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$R0\Vantor1.dll"
  ; Only when empty: files the user put there stay.
  RMDir "$INSTDIR"
  RMDir "$R0"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
