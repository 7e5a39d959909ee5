; Installer of the Windows version, built by scripts/package-windows.sh:
;   makensis -DVERSION=... -DPRODUCT_VERSION=1.2.3 -DVERSION_MAJOR=1
;            -DVERSION_MINOR=2 -DSOURCE=<portable folder> -DFILES=<files.nsh>
;            -DICON=<icon> -DOUTFILE=<setup.exe> [-DCOMPRESSOR=<compressor>]
;            [-DSIGNER=<command that signs the file it is given>] zarel.nsi
; Installs for the current user by default, without administrator rights, in
; %LOCALAPPDATA%\Programs\Zarel; run as administrator, for all users in
; Program Files (/CurrentUser keeps it to the one user all the same). Settings
; live in each user's %LOCALAPPDATA%\zarel, since the panel does not write in
; a folder programs are installed in.
;
; One install per machine and user: an install for all users takes over the
; user's own install (removing it, settings kept); an install for one user
; refuses to run beside an install for all users. An install over an earlier
; one, in the same scope, first removes the earlier one's files with its own
; uninstaller, so nothing of it is left behind. Nothing is removed before
; every folder concerned is free of running programs.
; Exit codes besides NSIS' own: 2 a program still runs, 3 an install for all
; users is in the way, 4 the folder holds another program's uninstaller, 5 an
; earlier install's uninstaller failed.
Unicode true
Target amd64-unicode
!ifdef COMPRESSOR
SetCompressor ${COMPRESSOR}
!else
SetCompressor /SOLID lzma
!endif
RequestExecutionLevel user
ManifestDPIAware true

!include FileFunc.nsh
!include LogicLib.nsh
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarel"
!define ABOUT_URL "https://www.zarel-radio.example/"

!ifdef SIGNER
; The setup and the uninstaller inside it are signed as makensis writes them.
!finalize '"${SIGNER}" "%1"' = 0
!uninstfinalize '"${SIGNER}" "%1"' = 0
!endif

Name "Zarel"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zarel"
BrandingText "Zarel ${VERSION}"
VIProductVersion "${PRODUCT_VERSION}.0"
VIAddVersionKey "ProductName" "Zarel"
VIAddVersionKey "CompanyName" "Zarel Radio Systems"
VIAddVersionKey "FileDescription" "Zarel installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright © 2019 Zarel Radio Systems. All rights reserved."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zarel.exe"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var allUsers
; The user's own install a setup for all users takes over, else empty.
Var takeOver
; "ours" when $INSTDIR holds this scope's earlier install, "foreign" when it
; holds another program's uninstaller, else empty.
Var folderKind

; Waits until no program of the install in $INSTDIR runs: Windows keeps a
; running program's files open, and replacing or removing half of them would
; leave a broken install. Asks the operator to close them; without questions
; (/S) it waits up to ten seconds, then gives up with exit code 2.
!macro WAIT_WHILE_RUNNING UN
Function ${UN}WaitWhileRunning
    StrCpy $R1 0
    ${Do}
        StrCpy $R0 ""
        ${If} ${FileExists} "$INSTDIR\zarel.exe"
            ClearErrors
            FileOpen $R3 "$INSTDIR\zarel.exe" a
            ${If} ${Errors}
                StrCpy $R0 "Zarel"
            ${Else}
                FileClose $R3
            ${EndIf}
        ${EndIf}
        ${If} ${FileExists} "$INSTDIR\zarel-station.exe"
            ClearErrors
            FileOpen $R3 "$INSTDIR\zarel-station.exe" a
            ${If} ${Errors}
                StrCpy $R0 "zarel-station"
            ${Else}
                FileClose $R3
            ${EndIf}
        ${EndIf}
        ${If} ${FileExists} "$INSTDIR\merax-sim.exe"
            ClearErrors
            FileOpen $R3 "$INSTDIR\merax-sim.exe" a
            ${If} ${Errors}
                StrCpy $R0 "merax-sim"
            ${Else}
                FileClose $R3
            ${EndIf}
        ${EndIf}
        ${If} $R0 == ""
            Return
        ${EndIf}
        ${If} ${Silent}
            ${If} $R1 >= 20
                SetErrorLevel 2
                Quit
            ${EndIf}
            IntOp $R1 $R1 + 1
            Sleep 500
        ${Else}
            ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$R0 is running from $INSTDIR.$\r$\nClose it, then choose Retry." IDRETRY`
                SetErrorLevel 2
                Quit
            ${EndIf}
        ${EndIf}
    ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_WHILE_RUNNING ""
!insertmacro WAIT_WHILE_RUNNING "un."

Function .onInit
    StrCpy $allUsers 0
    StrCpy $takeOver ""
    UserInfo::GetAccountType
    Pop $0
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/CurrentUser" $2
    ${If} $0 == "Admin"
    ${AndIf} ${Errors}
        StrCpy $allUsers 1
    ${EndIf}
    SetRegView 64
    ; /D= names the folder; otherwise an earlier install's, else the default.
    StrCpy $3 ""
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\Zarel"
        StrCpy $3 1
    ${EndIf}
    ${If} $allUsers == 1
        SetShellVarContext all
        ${If} $3 == 1
            StrCpy $INSTDIR "$PROGRAMFILES64\Zarel"
        ${EndIf}
        ReadRegStr $4 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $4 != ""
        ${AndIf} ${FileExists} "$4\uninstall.exe"
        ${AndIf} ${FileExists} "$4\zarel.exe"
            ${IfNot} ${Cmd} `MessageBox MB_OKCANCEL|MB_ICONINFORMATION "Zarel is installed for you alone in $4.$\r$\nThis setup installs it for all users and removes that copy; your settings stay." /SD IDOK IDOK`
                SetErrorLevel 1
                Quit
            ${EndIf}
            StrCpy $takeOver $4
        ${EndIf}
    ${Else}
        SetShellVarContext current
        ReadRegStr $4 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $4 != ""
        ${AndIf} ${FileExists} "$4\uninstall.exe"
            MessageBox MB_OK|MB_ICONSTOP \
                "Zarel is already installed for all users in $4.$\r$\nRun this setup as administrator to update it, or uninstall it first." \
                /SD IDOK
            SetErrorLevel 3
            Quit
        ${EndIf}
    ${EndIf}
    ReadRegStr $4 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $3 == 1
    ${AndIf} $4 != ""
        StrCpy $INSTDIR $4
    ${EndIf}
FunctionEnd

; The uninstaller serves the install it sits in: the one for all users when
; the machine's apps list names its folder, else the user's own. Started from
; the apps list it runs without elevation; for all users it asks for it.
Function un.onInit
    SetRegView 64
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        StrCpy $allUsers 1
        SetShellVarContext all
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            StrCpy $2 ""
            ${If} ${Silent}
                StrCpy $2 "/S"
            ${EndIf}
            ExecShell "runas" "$INSTDIR\uninstall.exe" "$2"
            Quit
        ${EndIf}
    ${Else}
        StrCpy $allUsers 0
        SetShellVarContext current
    ${EndIf}
FunctionEnd

; Any uninstall.exe could be another program's: only the one this scope's
; apps-list entry names, beside zarel.exe, is run.
Function FindFolderKind
    StrCpy $folderKind ""
    ReadRegStr $R2 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R2 == $INSTDIR
    ${AndIf} ${FileExists} "$INSTDIR\zarel.exe"
    ${AndIf} ${FileExists} "$INSTDIR\uninstall.exe"
        StrCpy $folderKind "ours"
    ${ElseIf} ${FileExists} "$INSTDIR\uninstall.exe"
    ${AndIf} $INSTDIR != $takeOver
        StrCpy $folderKind "foreign"
    ${EndIf}
FunctionEnd

Function DirectoryLeave
    Call FindFolderKind
    ${If} $folderKind == "foreign"
        MessageBox MB_OK|MB_ICONEXCLAMATION "$INSTDIR holds another program's uninstaller.$\r$\nChoose another folder for Zarel."
        Abort
    ${EndIf}
FunctionEnd

; Runs the uninstaller in the folder on the stack where it is (_?=: ExecWait
; waits for it, and it leaves itself). A failure stops the setup: going on
; would mix two versions' files.
Function RunUninstaller
    Exch $R4
    ExecWait '"$R4\uninstall.exe" /S _?=$R4' $R5
    ${If} $R5 != 0
        MessageBox MB_OK|MB_ICONSTOP "The uninstaller of the install in $R4 failed (exit code $R5).$\r$\nUninstall it from the list of apps, then run this setup again." /SD IDOK
        SetErrorLevel 5
        Quit
    ${EndIf}
    Delete "$R4\uninstall.exe"
    Pop $R4
FunctionEnd

Section "Zarel"
    Call FindFolderKind
    ${If} $folderKind == "foreign"
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR holds another program's uninstaller.$\r$\nChoose another folder for Zarel." /SD IDOK
        SetErrorLevel 4
        Quit
    ${EndIf}
    ; Both folders free first: stopping half way would leave neither install.
    Call WaitWhileRunning
    ${If} $takeOver != ""
        Push $INSTDIR
        StrCpy $INSTDIR $takeOver
        Call WaitWhileRunning
        Pop $INSTDIR
    ${EndIf}

    ${If} $takeOver != ""
        ; Older per-user installs kept their settings in their folder, which
        ; the panel installed for all users never reads: they join the user's
        ; settings folder, where they replace nothing.
        SetShellVarContext current
        FindFirst $R4 $R5 "$takeOver\settings*.ini"
        ${DoWhile} $R5 != ""
            ${IfNot} ${FileExists} "$LOCALAPPDATA\zarel\$R5"
                CreateDirectory "$LOCALAPPDATA\zarel"
                CopyFiles /SILENT "$takeOver\$R5" "$LOCALAPPDATA\zarel\$R5"
            ${EndIf}
            FindNext $R4 $R5
        ${Loop}
        FindClose $R4
        SetShellVarContext all
        DetailPrint "Removing the install for this user alone in $takeOver"
        Push $takeOver
        Call RunUninstaller
        RMDir "$takeOver"
    ${EndIf}
    ; An earlier install here goes first, by its own uninstaller: files this
    ; version no longer has go with it.
    ${If} $folderKind == "ours"
        Push $INSTDIR
        Call RunUninstaller
    ${EndIf}

    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Zarel.lnk" "$INSTDIR\zarel.exe" "" "$INSTDIR\zarel.exe" 0

    ; SHCTX: HKLM for all users, HKCU for one.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Zarel"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Zarel Radio Systems"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${ABOUT_URL}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zarel.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    ${GetTime} "" "L" $0 $1 $2 $3 $4 $5 $6
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallDate" "$2$1$0"
    ${GetSize} "$INSTDIR" "/S=0K /G=1" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what it installed, never the users' settings.
Section "Uninstall"
    Call un.WaitWhileRunning
    Delete "$SMPROGRAMS\Zarel.lnk"
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
