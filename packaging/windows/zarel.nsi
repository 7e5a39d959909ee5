; Installer of the Windows version, built by scripts/build-windows.sh:
;   makensis -DVERSION=... -DPRODUCT_VERSION=1.2.3 -DSOURCE=<portable folder>
;            -DICON=<icon> -DOUTFILE=<setup.exe> zarel.nsi
; Installs for the current user by default, without administrator rights, in
; %LOCALAPPDATA%\Programs\Zarel; run as administrator, for all users in
; Program Files (/CurrentUser keeps it to the one user all the same). Settings then live in each user's configuration folder,
; since the panel finds it cannot write beside itself.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include FileFunc.nsh
!include LogicLib.nsh
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarel"

Name "Zarel"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zarel"
BrandingText "Zarel ${VERSION}"
VIProductVersion "${PRODUCT_VERSION}.0"
VIAddVersionKey "ProductName" "Zarel"
VIAddVersionKey "FileDescription" "Zarel installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright © 2019 Zarel Radio Systems. All rights reserved."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zarel.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var allUsers

!macro ChooseScope
    StrCpy $allUsers 0
    UserInfo::GetAccountType
    Pop $0
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/CurrentUser" $2
    ${If} $0 == "Admin"
    ${AndIf} ${Errors}
        StrCpy $allUsers 1
        SetShellVarContext all
        SetRegView 64
    ${Else}
        SetShellVarContext current
    ${EndIf}
!macroend

Function .onInit
    !insertmacro ChooseScope
    ${If} $allUsers == 1
        StrCpy $INSTDIR "$PROGRAMFILES64\Zarel"
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

Section "Zarel"
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Zarel.lnk" "$INSTDIR\zarel.exe" "" "$INSTDIR\zarel.exe" 0
    ${If} $allUsers == 1
        SetRegView 64
        WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zarel"
        WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
        WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Zarel Radio Systems"
        WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zarel.exe"
        WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
        WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
        WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
        WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${Else}
        WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Zarel"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Zarel Radio Systems"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zarel.exe"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
        WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
        WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${EndIf}
SectionEnd

; Removes what it installed, never the users' settings.
Section "Uninstall"
    Delete "$SMPROGRAMS\Zarel.lnk"
    Delete "$INSTDIR\zarel.exe"
    Delete "$INSTDIR\merax-sim.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\platforms\qwindows.dll"
    Delete "$INSTDIR\styles\qwindowsvistastyle.dll"
    Delete "$INSTDIR\translations\qtbase_*.qm"
    Delete "$INSTDIR\copyright.txt"
    Delete "$INSTDIR\readme.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR\platforms"
    RMDir "$INSTDIR\styles"
    RMDir "$INSTDIR\translations"
    RMDir "$INSTDIR"
    ${If} $allUsers == 1
        SetRegView 64
        DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${Else}
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
SectionEnd
