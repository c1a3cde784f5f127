; SPDX-License-Identifier: MIT
; The Windows installer: a 64-bit NSIS installer that installs Quorvel for
; every user of the machine into Program Files, with a Start-menu shortcut,
; an entry in "Apps & features" and an uninstaller that removes exactly what
; it installed. /S installs (and uninstall.exe /S removes) without a word.
;
; It never changes or removes a file it did not put there: an update goes
; where the installed copy is; a chosen folder that holds anything else gets
; a Quorvel folder of its own inside it. While Quorvel runs from the folder,
; both say so and offer to retry; silent, they stop and change nothing. Exit
; codes: 0 done, 1 cancelled, 2 aborted, 3 Quorvel is running, 4 a file could
; not be removed, 5 a file could not be written, 6 the folder and the
; Quorvel folder inside it both hold other files, 7 /D names another folder
; than the one where Quorvel is installed.
;
; On the folder page a folder it cannot use sends the user back to choose
; another. /D over an installed copy is refused rather than honoured: moving
; the copy would remove it first, and a new folder that then turned out
; unusable would leave the machine without Quorvel; uninstalling, then
; installing with /D, does the same in two steps that each say how they went.
;
; makensis is given, with /D: VERSION (the project's), PROGRAM (quorvel.exe),
; LICENSE (the licence as a text file), ICON (the program's .ico), OUTFILE,
; LANGUAGES (the other languages and their texts, made from the catalogues
; by scripts/translations.py); and SIGN, a command that signs the file it is
; given, when the release is signed. The installer speaks the user's
; language where it has it, English otherwise; its own texts are the
; LangStrings below, whose English is the source of the catalogues.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define NAME "Quorvel"
!define PUBLISHER "The Quorvel developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define EXIT_RUNNING 3
!define EXIT_NOT_REMOVED 4
!define EXIT_NOT_WRITTEN 5
!define EXIT_FOLDER_IN_USE 6
!define EXIT_INSTALLED_ELSEWHERE 7

!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"'
  !finalize '"${SIGN}" "%1"'
!endif

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright 2026 Quorvel developers, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; A file that cannot be written stops the installer; it is never skipped.
AllowSkipFiles off

; "1" when an installed copy decides the folder.
Var Updating

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpdate
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckChosenFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
LangString Running ${LANG_ENGLISH} "Quorvel is running from $INSTDIR.$\r$\n$\r$\nClose it, then choose Retry."
LangString FolderInUse ${LANG_ENGLISH} "$INSTDIR holds other files, and so does the Quorvel folder in it. Choose another folder for Quorvel."
LangString InstalledElsewhere ${LANG_ENGLISH} "Quorvel is installed in $0. To install it into $INSTDIR, uninstall it first."
LangString NotInstalled ${LANG_ENGLISH} "Quorvel could not be fully installed into $INSTDIR."
LangString NotRemoved ${LANG_ENGLISH} "Quorvel could not be removed from $INSTDIR."
!include "${LANGUAGES}"

; The 64-bit registry and Program Files, and the shortcuts of all users. An
; installed copy, wherever it is, is where an update goes.
Function .onInit
  SetRegView 64
  SetShellVarContext all
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\quorvel.exe"
    ; A /D has put its folder in $INSTDIR in place of the default (NSIS keeps
    ; it out of $CMDLINE). It may name the installed copy's folder, or the one
    ; that held other files and got a Quorvel folder inside it.
    ${If} $INSTDIR != "$PROGRAMFILES64\${NAME}"
    ${AndIf} $INSTDIR != $0
    ${AndIf} "$INSTDIR\${NAME}" != $0
      MessageBox MB_OK|MB_ICONSTOP "$(InstalledElsewhere)" /SD IDOK
      SetErrorLevel ${EXIT_INSTALLED_ELSEWHERE}
      Quit
    ${EndIf}
    StrCpy $INSTDIR $0
    StrCpy $Updating 1
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function SkipFolderOnUpdate
  ${If} $Updating == 1
    Abort
  ${EndIf}
FunctionEnd

; The folder page: a folder that holds other files and whose Quorvel folder
; does too cannot be used; the user is told so, naming the folder typed, and
; stays on the page to choose another.
Function CheckChosenFolder
  StrCpy $R8 $INSTDIR
  Call FolderIsEmpty
  ${If} $R9 == 0
    StrCpy $R8 "$INSTDIR\${NAME}"
    Call FolderIsEmpty
    ${If} $R9 == 0
      MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderInUse)"
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

; $R9 = 1 when the folder $R8 holds nothing or does not exist, else 0.
Function FolderIsEmpty
  StrCpy $R9 1
  FindFirst $R7 $R6 "$R8\*"
  ${DoWhile} $R6 != ""
    ${If} $R6 != "."
    ${AndIf} $R6 != ".."
      StrCpy $R9 0
      ${ExitDo}
    ${EndIf}
    FindNext $R7 $R6
  ${Loop}
  FindClose $R7
FunctionEnd

; Waits until Quorvel no longer runs from $INSTDIR: a running program cannot
; be opened for writing. Silent, or when the user cancels, it stops here.
!macro CHECK_NOT_RUNNING prefix
Function ${prefix}CheckNotRunning
  ${DoWhile} ${FileExists} "$INSTDIR\quorvel.exe"
    ClearErrors
    FileOpen $0 "$INSTDIR\quorvel.exe" a
    ${IfNot} ${Errors}
      FileClose $0
      ${ExitDo}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "$(Running)" \
      /SD IDCANCEL IDRETRY again
    SetErrorLevel ${EXIT_RUNNING}
    Quit
    again:
  ${Loop}
FunctionEnd
!macroend
!insertmacro CHECK_NOT_RUNNING ""
!insertmacro CHECK_NOT_RUNNING "un."

; Adds the size in bytes of `file` to $0.
!macro ADD_FILE_SIZE file
  FileOpen $1 "${file}" r
  FileSeek $1 0 END $2
  FileClose $1
  IntOp $0 $0 + $2
!macroend

Section "Quorvel"
  ; A folder that holds other files gets a Quorvel folder of its own.
  ; Silent, the folder page's check is here: a /D that cannot be used stops
  ; the installer.
  ${If} $Updating != 1
    StrCpy $R8 $INSTDIR
    Call FolderIsEmpty
    ${If} $R9 == 0
      StrCpy $R8 "$INSTDIR\${NAME}"
      Call FolderIsEmpty
      ${If} $R9 == 0
        MessageBox MB_OK|MB_ICONSTOP "$(FolderInUse)" /SD IDOK
        SetErrorLevel ${EXIT_FOLDER_IN_USE}
        Quit
      ${EndIf}
      StrCpy $INSTDIR "$INSTDIR\${NAME}"
    ${EndIf}
  ${EndIf}
  Call CheckNotRunning

  ClearErrors
  SetOutPath "$INSTDIR"
  ; Over an older version the files are replaced, and the entry rewritten.
  File "/oname=quorvel.exe" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\quorvel.exe" "" "$INSTDIR\quorvel.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$\"$INSTDIR\quorvel.exe$\",0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\uninstall.exe$\""
  ; Run in place (_?=), the silent uninstaller returns when it is done, with
  ; its exit code.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" \
    "$\"$INSTDIR\uninstall.exe$\" /S _?=$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; The size of the program's own files, in KiB.
  StrCpy $0 1023
  !insertmacro ADD_FILE_SIZE "$INSTDIR\quorvel.exe"
  !insertmacro ADD_FILE_SIZE "$INSTDIR\LICENSE.txt"
  !insertmacro ADD_FILE_SIZE "$INSTDIR\uninstall.exe"
  IntOp $0 $0 / 1024
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  ${If} ${Errors}
    SetErrorLevel ${EXIT_NOT_WRITTEN}
    Abort "$(NotInstalled)"
  ${EndIf}
SectionEnd

; Removes only the files the installer wrote; the entry goes once they are
; gone. The uninstaller itself, when it runs in place, cannot be deleted:
; it is moved out of the folder and deleted at the next restart.
Section "Uninstall"
  Call un.CheckNotRunning
  ClearErrors
  Delete "$INSTDIR\quorvel.exe"
  Delete "$INSTDIR\LICENSE.txt"
  ${If} ${Errors}
    SetErrorLevel ${EXIT_NOT_REMOVED}
    Abort "$(NotRemoved)"
  ${EndIf}
  Delete "$SMPROGRAMS\${NAME}.lnk"
  ClearErrors
  Delete "$INSTDIR\uninstall.exe"
  ${If} ${Errors}
    GetTempFileName $0
    Delete $0
    ClearErrors
    Rename "$INSTDIR\uninstall.exe" $0
    ${If} ${Errors}
      Delete /REBOOTOK "$INSTDIR\uninstall.exe"
    ${Else}
      Delete /REBOOTOK $0
    ${EndIf}
  ${EndIf}
  RMDir /REBOOTOK "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
