; The Traxo installer: a per-user install, without administrator rights, into the user's own
; programs folder (Traxo writes traxo.ini and MouseCore.dll beside itself, so the folder must be
; the user's). The 64-bit program on 64-bit Windows, the 32-bit one otherwise.
;
; makensis -DTARGET=x86-unicode|amd64-unicode -DVERSION=1.41 -DMAIN_CLASS=... -DEXE32=... -DEXE64=...
;          -DSTARTER=GettingStarted.mtd -DREADME=ReadMe.txt -DLICENSE=License.txt
;          -DEXE32_KB=... -DEXE64_KB=... -DICON=Traxo.ico -DOUTFILE=Traxo-1.41-setup.exe Traxo.nsi
;
; Command line: /S installs or uninstalls silently; /NOAUTOSTART leaves "start at login" off;
; /D=folder (last, unquoted) installs elsewhere.

!pragma warning disable 6012 ; LogicLib leaves labels of unused else branches
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define PRODUCT "Traxo"
!define PUBLISHER "The Traxo developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Traxo"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "traxo"
!define RUN_ONCE_KEY "Software\Microsoft\Windows\CurrentVersion\RunOnce"
!define MAIN_TITLE "Traxo"
!ifndef MAIN_CLASS
    !error "MAIN_CLASS is the main window's class name, from tools/package.sh"
!endif
!define UNINSTALLER "uninstall.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Traxo"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Traxo.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString SectionProgram ${LANG_ENGLISH} "Traxo"
LangString SectionProgram ${LANG_SIMPCHINESE} "Traxo"
LangString SectionAutostart ${LANG_ENGLISH} "Start Traxo when I sign in"
LangString SectionAutostart ${LANG_SIMPCHINESE} "登录时启动 Traxo"
LangString SectionUserData ${LANG_ENGLISH} "Also remove my gesture sets and settings"
LangString SectionUserData ${LANG_SIMPCHINESE} "同时删除我的手势集和设置"
LangString StillRunning ${LANG_ENGLISH} "Traxo is still running. Close it (answer its question if it asks one), then choose Retry."
LangString StillRunning ${LANG_SIMPCHINESE} "Traxo 仍在运行。请关闭它（如有提问请先回答），然后选择“重试”。"
LangString ShortcutComment ${LANG_ENGLISH} "Mouse gestures"
LangString ShortcutComment ${LANG_SIMPCHINESE} "鼠标手势"

; $0: the main window of the Traxo that runs from $INSTDIR, or 0. A portable copy elsewhere is
; the user's business and is left running.
!macro FIND_OUR_TRAXO prefix
Function ${prefix}FindOurTraxo
    Push $1
    Push $2
    Push $3
    StrCpy $0 0
    ${Do}
        FindWindow $0 "${MAIN_CLASS}" "${MAIN_TITLE}" "" $0
        ${If} $0 = 0
            ${ExitDo}
        ${EndIf}
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
        ; PROCESS_QUERY_LIMITED_INFORMATION
        System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r1) p .r2'
        ${If} $2 <> 0
            StrCpy $3 ""
            System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
            System::Call 'kernel32::CloseHandle(p r2)'
            ${If} $3 == "$INSTDIR\Traxo.exe"
                ${ExitDo}
            ${EndIf}
        ${EndIf}
    ${Loop}
    Pop $3
    Pop $2
    Pop $1
FunctionEnd
!macroend

; Closes the Traxo of $INSTDIR through its main window (which ends the program) and waits, a
; bounded time, until its file can be replaced. Silent: gives up after the bounded wait with exit
; code 2; otherwise asks to retry. The window may put up a question about an unsaved set first.
!macro STOP_TRAXO prefix
Function ${prefix}StopTraxo
    Push $0
    Push $1
    Push $2
retry:
    Call ${prefix}FindOurTraxo
    ${If} $0 <> 0
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
    ${EndIf}
    StrCpy $1 0
    ${Do}
        Call ${prefix}FindOurTraxo
        ${If} $0 = 0
            ; The window is gone; the process may still be finishing with its file.
            ${IfNot} ${FileExists} "$INSTDIR\Traxo.exe"
                ${ExitDo}
            ${EndIf}
            ClearErrors
            FileOpen $2 "$INSTDIR\Traxo.exe" a
            ${IfNot} ${Errors}
                FileClose $2
                ${ExitDo}
            ${EndIf}
        ${EndIf}
        IntOp $1 $1 + 1
        ${If} $1 > 60
            ${If} ${Silent}
                SetErrorLevel 2
                Quit
            ${EndIf}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" IDRETRY retry
            Quit
        ${EndIf}
        Sleep 250
    ${Loop}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro FIND_OUR_TRAXO ""
!insertmacro FIND_OUR_TRAXO "un."
!insertmacro STOP_TRAXO ""
!insertmacro STOP_TRAXO "un."

Section "$(SectionProgram)" SecProgram
    SectionIn RO
    SetShellVarContext current
    ; An update: the running program holds its file. A first install leaves any other copy be.
    ${If} ${FileExists} "$INSTDIR\Traxo.exe"
        Call StopTraxo
    ${EndIf}
    SetOutPath "$INSTDIR"
    ${If} ${RunningX64}
        File "/oname=Traxo.exe" "${EXE64}"
    ${Else}
        File "/oname=Traxo.exe" "${EXE32}"
    ${EndIf}
    ; The library the program writes beside itself: a left-over one of the other width would be
    ; replaced at start anyway, but never leave one that does not match the new program.
    Delete "$INSTDIR\MouseCore.dll"
    File "/oname=GettingStarted.mtd" "${STARTER}"
    File "/oname=ReadMe.txt" "${README}"
    File "/oname=License.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    CreateShortcut "$SMPROGRAMS\Traxo.lnk" "$INSTDIR\Traxo.exe" "" "$INSTDIR\Traxo.exe" 0 \
        SW_SHOWNORMAL "" "$(ShortcutComment)"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Traxo.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "$(SectionAutostart)" SecAutostart
    ; The same quoted path that the tray menu's "start at login" writes.
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Traxo.exe"'
SectionEnd

Section "-ReinstallWithoutAutostart"
    ; Reinstalled with "start at login" off: drop the value an earlier install wrote.
    ${IfNot} ${SectionIsSelected} ${SecAutostart}
        ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
        ${If} $0 == '"$INSTDIR\Traxo.exe"'
            DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
        ${EndIf}
    ${EndIf}
SectionEnd

Function .onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
    ; The section carries both programs but installs one: count only that one.
    SectionGetSize ${SecProgram} $0
    ${If} ${RunningX64}
        IntOp $0 $0 - ${EXE32_KB}
    ${Else}
        IntOp $0 $0 - ${EXE64_KB}
    ${EndIf}
    SectionSetSize ${SecProgram} $0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NOAUTOSTART" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecAutostart}
    ${EndIf}
FunctionEnd

Function un.onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
FunctionEnd

; The hook library stays loaded in other programs for a while after the hook is gone (until each
; handles its next message). Waits a bounded time for it to come free; failing that, the next
; sign-in removes it, and the folder if nothing else is left in it.
Function un.DeleteHookLibrary
    StrCpy $1 0
    ${DoWhile} ${FileExists} "$INSTDIR\MouseCore.dll"
        Delete "$INSTDIR\MouseCore.dll"
        ${IfNot} ${FileExists} "$INSTDIR\MouseCore.dll"
            ${ExitDo}
        ${EndIf}
        IntOp $1 $1 + 1
        ${If} $1 > 40
            WriteRegStr HKCU "${RUN_ONCE_KEY}" "TraxoRemove" \
                '"$SYSDIR\cmd.exe" /c del /f /q "$INSTDIR\MouseCore.dll" & rmdir "$INSTDIR"'
            ${ExitDo}
        ${EndIf}
        Sleep 250
    ${Loop}
FunctionEnd

Section "un.$(SectionProgram)" UnSecProgram
    SectionIn RO
    SetShellVarContext current
    Call un.StopTraxo
    Delete "$INSTDIR\Traxo.exe"
    Call un.DeleteHookLibrary
    Delete "$INSTDIR\GettingStarted.mtd"
    Delete "$INSTDIR\ReadMe.txt"
    Delete "$INSTDIR\License.txt"
    Delete "$INSTDIR\${UNINSTALLER}"
    Delete "$SMPROGRAMS\Traxo.lnk"
    ; Only the value that starts this copy: a portable Traxo elsewhere keeps its own.
    ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${If} $0 == '"$INSTDIR\Traxo.exe"'
        DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.$(SectionUserData)" UnSecUserData
    Delete "$INSTDIR\*.mtd"
    Delete "$INSTDIR\traxo.ini"
SectionEnd

Section "-un.Folder"
    ; Gone only when empty: the user's own sets and settings stay unless asked for.
    RMDir "$INSTDIR"
SectionEnd
