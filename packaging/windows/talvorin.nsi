; The Windows installer: per user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Talvorin, in French. Build it from the staged
; install tree (cmake --install <build> --prefix <stage>), as tools/package.sh does:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.1.8 -DSTAGE=<stage> -DOUTFILE=<setup.exe> talvorin.nsi
; Both the installer and its uninstaller take /S to run silently, and report a
; file they could not replace or remove by a non-zero exit status.
;
; The clock usually runs (it may start at login) when it is upgraded or
; removed. Both first ask the clock running from the install folder to end,
; through its one-clock window (see Win32SingleInstance.cpp), then close its
; windows as a user would (what a clock of 1.1.8 or before answers), and kill
; it only when it has not ended a few seconds later. The upgrade starts it
; again. The user's options files beside the program (tl_options.txt, its
; .bak files, tl_extras.txt) are never touched.
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

!define HWND_MESSAGE -3
; WM_APP + 2: the clock ends as its prompt's "Oui" does.
!define QUIT_REQUEST 0x8002
; SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION
!define CLOCK_PROCESS_RIGHTS 0x101001
; How long a clock has to end once asked, in milliseconds: on a busy machine
; (measured under Wine with the processor shared ten ways) the exit itself
; takes seconds after the clock let go of its windows.
!define ANSWER_MS 10000

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
; A file that cannot be replaced stops the installation (Recommencer or
; Annuler): never "installed" over an old program. /S answers Annuler.
AllowSkipFiles off
BrandingText "${PRODUCT} ${VERSION}"

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
!insertmacro MUI_PAGE_LICENSE "licence-fr.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Var ClockWasRunning

!macro CLOCK_FUNCTIONS un
; $0: a window. $1: a handle on its process when that process runs
; $INSTDIR\talvorin.exe, else 0.
Function ${un}ClockProcessOf
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2) i'
  System::Call 'kernel32::OpenProcess(i ${CLOCK_PROCESS_RIGHTS}, i 0, i r2) p .r1'
  StrCmp $1 0 done
  StrCpy $3 ""
  System::Call 'kernel32::QueryFullProcessImageNameW(p r1, i 0, w .r3, *i ${NSIS_MAX_STRLEN}) i'
  StrCmp $3 "$INSTDIR\talvorin.exe" done
  System::Call 'kernel32::CloseHandle(p r1)'
  StrCpy $1 0
  done:
FunctionEnd

; Posts the message $8 to every window under $5 (0: the desktop's top-level
; windows, ${HWND_MESSAGE}: the message-only ones) whose class starts with $6
; and whose process runs the installed clock. $7: a handle on that process,
; 0 when there was none.
Function ${un}PostToClock
  StrCpy $7 0
  StrCpy $0 0
  StrLen $4 $6
  next:
    System::Call 'user32::FindWindowExW(p r5, p r0, p 0, p 0) p .r0'
    StrCmp $0 0 done
    System::Call 'user32::GetClassNameW(p r0, w .r2, i 256) i'
    StrCpy $2 $2 $4
    StrCmp $2 $6 0 next
    Call ${un}ClockProcessOf
    StrCmp $1 0 next
    System::Call 'user32::PostMessageW(p r0, i r8, p 0, p 0) i'
    StrCmp $7 0 +2
    System::Call 'kernel32::CloseHandle(p r7)'
    StrCpy $7 $1
    Goto next
  done:
FunctionEnd

; Ends every clock running from $INSTDIR: asked, then closed, then killed.
; Sets $ClockWasRunning to 1 when there was one.
Function ${un}StopClock
  StrCpy $9 0
  round:
    IntOp $9 $9 + 1
    IntCmp $9 5 done 0 done
    StrCpy $5 ${HWND_MESSAGE}
    StrCpy $6 "talvorin-"
    StrCpy $8 ${QUIT_REQUEST}
    Call ${un}PostToClock
    StrCpy $R0 $7
    StrCmp $R0 0 close
    StrCpy $ClockWasRunning 1
    DetailPrint "Fermeture de Talvorin"
    System::Call 'kernel32::WaitForSingleObject(p R0, i ${ANSWER_MS}) i .r2'
    StrCmp $2 0 ended
  close:
    StrCpy $5 0
    StrCpy $6 "TalvorinForm"
    StrCpy $8 ${WM_CLOSE}
    Call ${un}PostToClock
    StrCmp $7 0 kill
    StrCpy $ClockWasRunning 1
    StrCmp $R0 0 +2
    System::Call 'kernel32::CloseHandle(p R0)'
    StrCpy $R0 $7
    System::Call 'kernel32::WaitForSingleObject(p R0, i ${ANSWER_MS}) i .r2'
    StrCmp $2 0 ended
  kill:
    StrCmp $R0 0 done
    DetailPrint "Talvorin ne répond pas : arrêt forcé"
    System::Call 'kernel32::TerminateProcess(p R0, i 1) i'
    System::Call 'kernel32::WaitForSingleObject(p R0, i ${ANSWER_MS}) i'
  ended:
    System::Call 'kernel32::CloseHandle(p R0)'
    Goto round
  done:
FunctionEnd
!macroend
!insertmacro CLOCK_FUNCTIONS ""
!insertmacro CLOCK_FUNCTIONS "un."

Function .onInit
  SetShellVarContext current
  StrCpy $ClockWasRunning 0
FunctionEnd

Function un.onInit
  SetShellVarContext current
  StrCpy $ClockWasRunning 0
FunctionEnd

; The old clock goes on where the new one could not be put in place.
Function .onInstFailed
  StrCmp $ClockWasRunning 1 0 +2
  Exec '"$INSTDIR\talvorin.exe"'
FunctionEnd

Section "Talvorin"
  SetOutPath "$INSTDIR"
  Call StopClock
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

  StrCmp $ClockWasRunning 1 0 +2
  Exec '"$INSTDIR\talvorin.exe"'
SectionEnd

; Files go by name, never the folder as a whole: the user's options files
; may live beside the program and must survive, as must %APPDATA%\Talvorin.
; The folder goes only once it is empty. A program that stays removes
; nothing, so that the uninstaller is still there to try again.
Section "Uninstall"
  Call un.StopClock
  ClearErrors
  Delete "$INSTDIR\talvorin.exe"
  IfErrors 0 removed
    MessageBox MB_OK|MB_ICONSTOP "Impossible de supprimer $INSTDIR\talvorin.exe. Quittez Talvorin puis relancez la désinstallation." /SD IDOK
    SetErrorLevel 2
    Abort
  removed:
  Delete "$INSTDIR\DSEG7Classic-Regular.ttf"
  Delete "$INSTDIR\NOTICE.txt"
  Delete "$INSTDIR\DSEG7-OFL.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
