; The installer of Poser Quobbin for 64-bit Windows. CMake passes in VERSION (8.0.0), RELEASE
; (8.00), STAGED (the folder of the stripped programs and the readme), ICON and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
!include FileFunc.nsh
!include LogicLib.nsh

!define NAME "Poser Quobbin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
; Explorer's "Open with" lists the program for the Poser files it names here.
!define APPLICATION_KEY "Software\Classes\Applications\Quobbin.exe"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"
; The file to check asked for in the system's open-file dialog.
!define CHECK_SHORTCUT "$SMPROGRAMS\${NAME} - Check a scene file.lnk"

Name "${NAME} ${RELEASE}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\${NAME}"
RequestExecutionLevel admin
ManifestDPIAware true

; A running copy keeps its program open, which could then be neither replaced nor removed: it is
; to be closed first. Silently, the installer then ends with status 2.
!macro REFUSE_WHILE_RUNNING
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Local\Quobbin-one-copy") p .r0'
  ${If} $0 != 0
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_OK|MB_ICONEXCLAMATION "${NAME} is running. Close it, then try again." /SD IDOK
    Abort
  ${EndIf}
!macroend

Function .onInit
  !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd

Function un.onInit
  !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGED}/Quobbin.exe" "${STAGED}/quobbin-cli.exe" "${STAGED}/readme.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\Quobbin.exe"
  CreateShortcut "${CHECK_SHORTCUT}" "$INSTDIR\Quobbin.exe" "--check-window"

  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "The Quobbin developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon '"$INSTDIR\Quobbin.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0

  WriteRegStr HKLM "${APPLICATION_KEY}" FriendlyAppName "${NAME}"
  WriteRegStr HKLM "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\Quobbin.exe" "%1"'
  ; The Poser files that name others, each four characters with its dot.
  StrCpy $0 ".pz3.pzz.cr2.crz.pz2.p2z.pp2.ppz.hr2.hrz.fc2.fcz.hd2.hdz.lt2.ltz.cm2.cmz.mc6.mcz"
  ${Do}
    StrCpy $1 $0 4
    WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" $1 ""
    StrCpy $0 $0 "" 4
  ${LoopUntil} $0 == ""
SectionEnd

; The settings and the index in C:\ol are the user's: they stay.
Section Uninstall
  SetShellVarContext all
  Delete "$INSTDIR\Quobbin.exe"
  Delete "$INSTDIR\quobbin-cli.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  Delete "${CHECK_SHORTCUT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${APPLICATION_KEY}"
SectionEnd
