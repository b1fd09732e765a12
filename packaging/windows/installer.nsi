; Per-user installer for Windows: no administrator, a Start-menu entry with the program's
; icon, and an uninstaller that takes away exactly what was installed.
; makensis -DNAME=<product name> -DPROGRAM=<program id> -DVERSION=<x.y>
;          -DSTAGE=<folder with the program and its DLLs> -DOUTFILE=<setup.exe>
; (scripts/windows.sh passes the build's identity/identity.sh values)
; A 64-bit installer for the 64-bit program; it also runs where only 64-bit Wine is installed.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PROGRAM}"

Name "${NAME}"
OutFile "${OUTFILE}"
Icon "${STAGE}\${PROGRAM}.ico"
UninstallIcon "${STAGE}\${PROGRAM}.ico"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}\*.exe"
  File "${STAGE}\*.dll"
  File "${STAGE}\${PROGRAM}.ico"
  SetOutPath "$INSTDIR\platforms"
  File "${STAGE}\platforms\qwindows.dll"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${PROGRAM}.exe" "" "$INSTDIR\${PROGRAM}.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's settings (the update reminder's date) are the user's and stay, as on Linux.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${NAME}.lnk"
  RMDir /r "$INSTDIR\platforms"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\${PROGRAM}.exe"
  Delete "$INSTDIR\${PROGRAM}.ico"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
