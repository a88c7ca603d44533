; The Windows installer of Velmo Image Recovery (NSIS, Modern UI).
;
; Made by the build (install/Installer.cmake), which defines:
;   VERSION        the product version, "1.1"
;   VERSION_QUAD   the same as four numbers, "1.1.0.0"
;   PROGRAMS_NSH   the generated list of programs to pack (VelmoInstallPrograms,
;                  VelmoRemovePrograms)
;   VELMO_SETUP    velmo-setup.exe, which writes the settings file
;   ICON           the program's icon
;   OUTFILE        where the installer lands
;
; Silent use: Setup.exe /S [/LANG=ID] [/D=FOLDER], where ID is the Windows
; language of the texts, settings and Start menu entries (1033 English, 1036
; French, 1031 German, 1040 Italian, 1034 Spanish, 1048 Romanian);
; Uninstall.exe /S [/REMOVESETTINGS].

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include "${PROGRAMS_NSH}"

!define PRODUCT "Velmo Image Recovery"
!define PUBLISHER "Velmo Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmoImageRecovery"
; The main program reads its settings from the Windows directory, and so does
; the configuration program.
!define SETTINGS_FILE "$WINDIR\propImage.pro"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
; A reinstall offers the folder of the installed copy.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION_QUAD}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
; The welcome and finish titles need a third line in French and German.
!define MUI_WELCOMEPAGE_TITLE_3LINES
!define MUI_FINISHPAGE_TITLE_3LINES
; Every language in the list, whatever the system's code page.
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolderOnPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\VelmoRecovery.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The program's own order of languages: languageIndex 1 to 6.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Romanian"
!insertmacro MUI_RESERVEFILE_LANGDLL

!include "InstallerTexts.nsh"

Function .onInit
  ; /LANG=1036 and the like choose the language without asking, for silent
  ; installs; otherwise the user is asked, with the last install's language first.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LANG=" $1
  ${If} ${Errors}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${Else}
    StrCpy $LANGUAGE $1
  ${EndIf}
  ; Without a consent prompt (older systems) a plain user would get as far as
  ; the settings file and fail there; better to say so at once.
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "$(AdministratorNeeded)" /SD IDOK
    SetErrorLevel 740
    Quit
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  SetShellVarContext all
  ; A silent install skips the folder page and its check.
  Call IsFolderStorable
  ${If} $0 == 0
    MessageBox MB_OK|MB_ICONSTOP "$(FolderNotStorable)" /SD IDOK
    Abort
  ${EndIf}
  Call RemoveCopyElsewhere
  ; The desktop section puts the shortcut back when it is still chosen.
  Delete "$DESKTOP\${PRODUCT}.lnk"
  SetOutPath "$INSTDIR"
  ; Over an installed copy the programs are replaced, the settings kept.
  SetOverwrite on
  !insertmacro VelmoInstallPrograms
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  Call WriteSettingsFile

  ; An earlier install may have named its entries in another language.
  Call RemoveMenuEntries
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\VelmoRecovery.exe"
  CreateShortcut "${MENU_FOLDER}\$(OptionsShortcut).lnk" "$INSTDIR\Pelloc.exe"
  CreateShortcut "${MENU_FOLDER}\$(HelpShortcut).lnk" "$INSTDIR\Gandry.exe"
  CreateShortcut "${MENU_FOLDER}\$(UninstallShortcut).lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  ; The uninstaller speaks the language chosen here, also after a silent install.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallerLanguage" "$LANGUAGE"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\VelmoRecovery.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(DesktopShortcutSection)" SecDesktop
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\VelmoRecovery.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(ProgramSectionText)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "$(DesktopShortcutText)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; The settings file names the folder in the system's ANSI code page, in at
; most 202 bytes with the backslash that velmo-setup adds. A name the code page
; cannot spell would send the program looking for its companions elsewhere.
; $0 = 1 when the folder fits.
Function IsFolderStorable
  ; WC_NO_BEST_FIT_CHARS: a letter merely resembling one of the code page counts as missing.
  System::Call 'kernel32::WideCharToMultiByte(i 0, i 0x400, w "$INSTDIR", i -1, m .r1, i ${NSIS_MAX_STRLEN}, p 0, *i 0 r2) i .r0'
  ; $0 counts the bytes with the terminating zero; 0 means the call failed.
  ${If} $2 != 0
  ${OrIf} $0 = 0
  ${OrIf} $0 > 202
    StrCpy $0 0
  ${Else}
    StrCpy $0 1
  ${EndIf}
FunctionEnd

Function CheckFolderOnPage
  Call IsFolderStorable
  ${If} $0 == 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderNotStorable)"
    Abort
  ${EndIf}
FunctionEnd

; A copy installed in another folder is uninstalled first (silently, so its
; settings stay): otherwise nothing would ever remove its files.
Function RemoveCopyElsewhere
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
  ${AndIf} ${FileExists} "$0\Uninstall.exe"
    ; Run in place (_?=) so that it can be waited for.
    ExecWait '"$0\Uninstall.exe" /S _?=$0'
    Delete "$0\Uninstall.exe"
    RMDir "$0"
  ${EndIf}
FunctionEnd

; velmo-setup writes the file, so its format lives in the settings module alone.
; The folder goes without its trailing backslash: inside quotes one would
; escape the closing quote. A new file takes the installer's language.
Function WriteSettingsFile
  InitPluginsDir
  File "/oname=$PLUGINSDIR\velmo-setup.exe" "${VELMO_SETUP}"
  StrCpy $0 "$INSTDIR"
  StrCpy $1 "$0" 1 -1
  ${If} $1 == "\"
    StrCpy $0 "$0" -1
  ${EndIf}
  nsExec::ExecToLog '"$PLUGINSDIR\velmo-setup.exe" --language $(LanguageIndex) "${SETTINGS_FILE}" "$0"'
  Pop $1
  ${If} $1 != 0
    MessageBox MB_OK|MB_ICONSTOP "$(SettingsNotWritten)" /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

; The Start menu folder is the program's own: its entries go whatever language
; they were named in.
!macro RemoveMenuEntries un
Function ${un}RemoveMenuEntries
  Delete "${MENU_FOLDER}\*.lnk"
FunctionEnd
!macroend
!insertmacro RemoveMenuEntries ""
!insertmacro RemoveMenuEntries "un."

Section "Uninstall"
  SetShellVarContext all
  ; The settings hold the user's choices: kept unless the user says otherwise.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    Delete "${SETTINGS_FILE}"
  ${ElseIf} ${FileExists} "${SETTINGS_FILE}"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettingsQuestion)" /SD IDNO IDNO settingsKept
    Delete "${SETTINGS_FILE}"
    settingsKept:
  ${EndIf}

  Call un.RemoveMenuEntries
  RMDir "${MENU_FOLDER}"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The folder goes last: once it is gone, the uninstall is over (a silent
  ; uninstall goes on in a copy of itself after the first process ends).
  !insertmacro VelmoRemovePrograms
  Delete "$INSTDIR\Uninstall.exe"
  ; Only an empty folder goes: files the user put there stay.
  RMDir "$INSTDIR"
SectionEnd
