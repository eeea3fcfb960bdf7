; The benchmark's peer: an NSIS installer of the same payload with the same
; effects as the installer's run: C:\Kordex with excel and xml, the five
; files (datacore.kdx only if absent), the desktop shortcut starting
; kordex.exe in C:\Kordex. Its first page is the folder page; with /S it
; installs silently. NSIS's defaults otherwise: its check of the whole exe
; at start, its compression (which stores an incompressible payload as it is).
; scripts/benchmark.sh builds it for the installer's bitness:
;   makensis -DTARGET=x86-unicode|amd64-unicode -DPAYLOAD=DIR -DOUT=FILE peer.nsi
Target ${TARGET}
Name "KORdex"
OutFile "${OUT}"
InstallDir "C:\Kordex"
RequestExecutionLevel user

Page directory
Page instfiles

Section
  SetOutPath "$INSTDIR"
  CreateDirectory "$INSTDIR\excel"
  CreateDirectory "$INSTDIR\xml"
  File "${PAYLOAD}\kordex.exe"
  SetOverwrite off
  File "${PAYLOAD}\datacore.kdx"
  SetOverwrite on
  File "${PAYLOAD}\libeay32.dll"
  File "${PAYLOAD}\ssleay32.dll"
  File "${PAYLOAD}\olvass_el.txt"
  CreateShortcut "$DESKTOP\Kordex.lnk" "$INSTDIR\kordex.exe"
SectionEnd
