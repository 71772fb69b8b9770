; The Windows installer of Korvel自动选号器: installs for the current player
; only (no administrator rights), in the player's own programs folder, which
; the program may write: its catalogue and files live beside the program
; file. Made by scripts/package-windows:
;   makensis -INPUTCHARSET UTF8 -DSOURCE_DIR=<program folder> -DOUT_FILE=<setup.exe> korvel.nsi
; Installing over an earlier version replaces the program files and keeps the
; player's catalogue (with the draw history in it) and number files.

; A 64-bit installer for a 64-bit program (it also runs where only 64-bit
; programs can, such as a 64-bit-only wine).
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define NAME "Korvel自动选号器"
!define VERSION "2.0"
!define PUBLISHER "Korvel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvel"
!define UNINSTALLER "卸载.exe"

!ifndef SOURCE_DIR
  !error "SOURCE_DIR must name the laid-out program folder"
!endif
!ifndef OUT_FILE
  !define OUT_FILE "korvel-${VERSION}-setup.exe"
!endif

Name "${NAME}"
Caption "${NAME} ${VERSION} 安装"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
; An upgrade goes where the earlier version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=2052 "ProductName" "${NAME}"
VIAddVersionKey /LANG=2052 "FileDescription" "${NAME} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!define MUI_ICON "korvel.ico"
!define MUI_UNICON "korvel.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\korvel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "运行 ${NAME}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Section "${NAME}" SecProgram
  SectionIn RO
  ; What an earlier version shipped and this one may not: the libraries'
  ; folders are laid out anew.
  RMDir /r "$INSTDIR\plugins"
  RMDir /r "$INSTDIR\translations"

  SetOutPath "$INSTDIR"
  File /r /x "数据库" /x "附属" "${SOURCE_DIR}\*.*"
  ; The player's catalogue and files: only what is missing is added.
  SetOverwrite off
  SetOutPath "$INSTDIR\数据库"
  File /r "${SOURCE_DIR}\数据库\*.*"
  SetOutPath "$INSTDIR\附属"
  File /r "${SOURCE_DIR}\附属\*.*"
  SetOverwrite on
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateDirectory "$SMPROGRAMS\${NAME}"
  CreateShortcut "$SMPROGRAMS\${NAME}\${NAME}.lnk" "$INSTDIR\korvel.exe" "" "$INSTDIR\korvel.exe" 0
  CreateShortcut "$SMPROGRAMS\${NAME}\使用帮助.lnk" "$INSTDIR\帮助\Korvel自动选号器帮助.chm"
  CreateShortcut "$SMPROGRAMS\${NAME}\卸载 ${NAME}.lnk" "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$DESKTOP\${NAME}.lnk" "$INSTDIR\korvel.exe" "" "$INSTDIR\korvel.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvel.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$DESKTOP\${NAME}.lnk"
  RMDir /r "$SMPROGRAMS\${NAME}"

  ; The program's own files; the player's folders wait for the question below.
  RMDir /r "$INSTDIR\plugins"
  RMDir /r "$INSTDIR\translations"
  RMDir /r "$INSTDIR\图片"
  RMDir /r "$INSTDIR\帮助"
  Delete "$INSTDIR\*.exe"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\qt.conf"
  Delete "$INSTDIR\version"
  Delete "$INSTDIR\guanggao.gif"
  ; Asked, the player's catalogue (with the draw history) and number files
  ; go too; a silent uninstall keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "是否同时删除您的彩票数据、开奖记录和保存的号码文件？$\r$\n选择“否”将保留它们，重新安装后可继续使用。" \
    /SD IDNO IDNO keep
  RMDir /r "$INSTDIR\数据库"
  RMDir /r "$INSTDIR\附属"
keep:
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
