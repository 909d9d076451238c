; The Windows installer of Kompost-Leitstand (NSIS 3, Unicode).
;
;   makensis -DVERSION=3.0.3 -DSTAGE=<folder> -DOUTFILE=<setup.exe> installer.nsi
;
; STAGE holds the runnable folder as it is installed (programs, DLLs, Qt
; plugins, the demo and the user guides) plus dateien.nsh and entfernen.nsh,
; written by installer.sh: the files to install and, for the uninstaller,
; exactly those files again. The uninstaller removes nothing else, so the home
; folder and every data file stay where they are, even where an operator kept
; them in the program's folder.

; A 64-bit installer: the program is 64-bit only, and so it runs on a 64-bit-only Wine as well.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!ifndef VERSION
  !error "VERSION is not set"
!endif
!ifndef STAGE
  !error "STAGE is not set"
!endif
!ifndef OUTFILE
  !define OUTFILE "Kompost-Leitstand-Setup-${VERSION}.exe"
!endif

!define PRODUKT "Kompost-Leitstand"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUKT}"

!include "MUI2.nsh"
!include "x64.nsh"

Name "${PRODUKT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUKT}"
InstallDirRegKey HKLM "Software\${PRODUKT}" "InstallDir"
BrandingText "${PRODUKT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUKT}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUKT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PRODUKT}"

!define MUI_ABORTWARNING
!if /FileExists "${STAGE}\kompost.ico"
  !define MUI_ICON "${STAGE}\kompost.ico"
  !define MUI_UNICON "${STAGE}\kompost.ico"
!endif
!define MUI_FINISHPAGE_RUN "$INSTDIR\kompost.exe"
!define MUI_FINISHPAGE_NOAUTOCLOSE

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

LangString LnkDemo ${LANG_GERMAN} "Kompost-Leitstand Demo (Simulator)"
LangString LnkDemo ${LANG_ENGLISH} "Kompost-Leitstand demo (simulator)"
LangString LnkDemo ${LANG_FRENCH} "Kompost-Leitstand démo (simulateur)"
LangString LnkAnleitung ${LANG_GERMAN} "Bedienungsanleitung"
LangString LnkAnleitung ${LANG_ENGLISH} "User guide"
LangString LnkAnleitung ${LANG_FRENCH} "Guide d'utilisation (anglais)"
LangString LnkEntfernen ${LANG_GERMAN} "Kompost-Leitstand entfernen"
LangString LnkEntfernen ${LANG_ENGLISH} "Uninstall Kompost-Leitstand"
LangString LnkEntfernen ${LANG_FRENCH} "Désinstaller Kompost-Leitstand"
LangString Nur64 ${LANG_GERMAN} "Kompost-Leitstand braucht ein 64-Bit-Windows."
LangString Nur64 ${LANG_ENGLISH} "Kompost-Leitstand needs a 64-bit Windows."
LangString Nur64 ${LANG_FRENCH} "Kompost-Leitstand nécessite un Windows 64 bits."

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP|MB_OK "$(Nur64)" /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Kompost-Leitstand" SecProgramm
  SectionIn RO
  SetShellVarContext all
  !include "${STAGE}\dateien.nsh"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "Software\${PRODUKT}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUKT}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${PRODUKT}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\kompost.exe"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1

  ; The home folder of the installed program (C:\ProgramData\Kompost-Leitstand):
  ; every user of the PC may change its files, not only the first one who
  ; started the program. An existing folder and its files stay as they are.
  CreateDirectory "$APPDATA\${PRODUKT}"
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$APPDATA\${PRODUKT}" /grant *S-1-5-32-545:(OI)(CI)M'
  Pop $0

  CreateDirectory "$SMPROGRAMS\${PRODUKT}"
  CreateShortCut "$SMPROGRAMS\${PRODUKT}\${PRODUKT}.lnk" "$INSTDIR\kompost.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUKT}\$(LnkDemo).lnk" "$INSTDIR\kompost-demo.cmd" "" \
    "$INSTDIR\kompost.exe" 0 SW_SHOWMINIMIZED
  ${If} $LANGUAGE == ${LANG_GERMAN}
    CreateShortCut "$SMPROGRAMS\${PRODUKT}\$(LnkAnleitung).lnk" "$INSTDIR\doc\Bedienungsanleitung.html"
  ${Else}
    CreateShortCut "$SMPROGRAMS\${PRODUKT}\$(LnkAnleitung).lnk" "$INSTDIR\doc\user-guide.html"
  ${EndIf}
  CreateShortCut "$SMPROGRAMS\${PRODUKT}\$(LnkEntfernen).lnk" "$INSTDIR\Uninstall.exe"
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  ; Only what the installer brought: the home folder (C:\ProgramData\Kompost-Leitstand,
  ; or files an operator kept beside the program) and every data file stay.
  !include "${STAGE}\entfernen.nsh"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir /r "$SMPROGRAMS\${PRODUKT}"
  DeleteRegKey HKLM "${UNINST_KEY}"
  DeleteRegKey HKLM "Software\${PRODUKT}"
SectionEnd
