; The Windows installer: per user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Talvorin, in French. Build it from the staged
; install tree (cmake --install <build> --prefix <stage>), as tools/package.sh does:
;   makensis -DVERSION=1.1.8 -DSTAGE=<stage> -DOUTFILE=<setup.exe> talvorin.nsi
; Both the installer and its uninstaller take /S to run silently.
;
; NSIS 3 in Unicode mode loads the system DLLs it needs from System32 only
; (SetDefaultDllDirectories), so a DLL planted beside the downloaded setup
; file cannot be loaded into it.
Unicode true
; talvorin.exe is an x64 program: a 64-bit installer for it runs wherever it
; can, and sees the same registry and folders as the program.
Target amd64-unicode
ManifestDPIAware true

!ifndef VERSION
  !error "Pass the version: -DVERSION=x.y.z"
!endif
!ifndef STAGE
  !error "Pass the staged install tree: -DSTAGE=<folder holding talvorin.exe>"
!endif
!ifndef OUTFILE
  !define OUTFILE "talvorin-${VERSION}-setup.exe"
!endif
!ifndef ICON
  !define ICON "../icons/talvorin.ico" ; makensis works from the script's folder
!endif

!define PRODUCT "Talvorin"
!define PUBLISHER "Talvorin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Talvorin"
; Start at login is the value "Talvorin" under this key.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALLER "uninstall.exe"

!include "MUI2.nsh"
!include "FileFunc.nsh"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
SetCompressor /SOLID lzma
; The files take their install time: no build or checkout time is stored, so
; two builds of one commit give the same installer.
SetDateSave off

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de Talvorin - Horloge de bureau"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\talvorin.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/NOTICE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Talvorin"
  SetOutPath "$INSTDIR"
  File "${STAGE}/talvorin.exe"
  File "${STAGE}/DSEG7Classic-Regular.ttf"
  File "${STAGE}/NOTICE.txt"
  File "${STAGE}/DSEG7-OFL.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\talvorin.exe" "" "$INSTDIR\talvorin.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} - Horloge de bureau"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\talvorin.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Files go by name, never the folder as a whole: the user's tl_options.txt
; (and its .bak) may live beside the program and must survive, as must
; %APPDATA%\Talvorin. The folder goes only once it is empty.
Section "Uninstall"
  Delete "$INSTDIR\talvorin.exe"
  Delete "$INSTDIR\DSEG7Classic-Regular.ttf"
  Delete "$INSTDIR\NOTICE.txt"
  Delete "$INSTDIR\DSEG7-OFL.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
