; The Windows installer. makensis gets VERSION, STAGE (the zip's folder),
; FILES and REMOVALS (generated lists of that folder) and OUTFILE.
; A 64-bit installer for a 64-bit game; it also runs where no 32-bit support is.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "WinMessages.nsh"

!define APP "Vellmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vellmora"
; The game's window: the library's class, titled by the game or, early in its
; start, by the program's name.
!define GAME_CLASS "AllegroWindow"
!define GAME_PROCESS_RIGHTS 0x100001 ; SYNCHRONIZE | PROCESS_TERMINATE
!define GAME_CLOSE_MS 5000           ; time to end as on Esc before it is ended
!define WAIT_OBJECT_0 0
!define GAME_CLOSE_ROUNDS 4          ; a game that outlives these is not ours to end

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

; A running game holds its files: the installer could not replace them nor the
; uninstaller remove them. $R0 is its window, 0 when there is none.
!macro GameFunctions PREFIX
Function ${PREFIX}FindGame
  FindWindow $R0 "${GAME_CLASS}" "${APP}"
  StrCmp $R0 0 0 found
  FindWindow $R0 "${GAME_CLASS}" "vellmora.exe"
  StrCmp $R0 0 0 found
  FindWindow $R0 "${GAME_CLASS}" "vellmora-fullscreen.exe"
  found:
FunctionEnd

; Asks the player to close it; silent, ends it: first as its close box would,
; then, should it not end, its process.
Function ${PREFIX}CloseGame
  StrCpy $R4 0
  look:
    Call ${PREFIX}FindGame
    StrCmp $R0 0 done
    IfSilent end_it
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${APP} is running. Close it, then choose Retry." IDRETRY look
    Abort
  end_it:
    IntOp $R4 $R4 + 1
    IntCmp $R4 ${GAME_CLOSE_ROUNDS} 0 0 given_up
    System::Call 'user32::GetWindowThreadProcessId(p R0, *i .R1)'
    System::Call 'kernel32::OpenProcess(i ${GAME_PROCESS_RIGHTS}, i 0, i R1) p .R2'
    SendMessage $R0 ${WM_CLOSE} 0 0 /TIMEOUT=1000
    System::Call 'kernel32::WaitForSingleObject(p R2, i ${GAME_CLOSE_MS}) i .R3'
    IntCmp $R3 ${WAIT_OBJECT_0} closed
    System::Call 'kernel32::TerminateProcess(p R2, i 1)'
    System::Call 'kernel32::WaitForSingleObject(p R2, i ${GAME_CLOSE_MS})'
  closed:
    System::Call 'kernel32::CloseHandle(p R2)'
    Goto look
  given_up:
    Abort
  done:
FunctionEnd
!macroend
!insertmacro GameFunctions ""
!insertmacro GameFunctions "un."

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles
LicenseData "${STAGE}/LICENSE.txt"

Section "Vellmora"
  SetRegView 64
  SetShellVarContext all
  Call CloseGame
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The game reads its data from the working directory: the shortcuts set it.
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\${APP}"
  CreateShortcut "$SMPROGRAMS\${APP}\${APP}.lnk" "$INSTDIR\vellmora.exe"
  CreateShortcut "$SMPROGRAMS\${APP}\${APP} (full screen).lnk" "$INSTDIR\vellmora-fullscreen.exe"
  CreateShortcut "$SMPROGRAMS\${APP}\Uninstall ${APP}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Vellmora developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vellmora.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: a folder the player chose may hold more.
Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Call un.CloseGame
  Delete "$SMPROGRAMS\${APP}\${APP}.lnk"
  Delete "$SMPROGRAMS\${APP}\${APP} (full screen).lnk"
  Delete "$SMPROGRAMS\${APP}\Uninstall ${APP}.lnk"
  RMDir "$SMPROGRAMS\${APP}"
  !include "${REMOVALS}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
