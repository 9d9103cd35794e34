; The installer's language, chosen by the program's rules (runtime/language.cpp): NSIS
; alone would match Windows' display language by its primary language, so zh-TW and
; pt-PT would get the simplified Chinese and Brazilian pages of a program that then
; speaks English to them.
;
; VRC_LANGUAGE_CHOICE defines, for the installer ("") or the uninstaller ("un."):
;   Push "ar de pt_BR zh_CN"   ; the translations there are
;   Push "zh-TW zh en"         ; the user's languages, in order
;   Call VrcChooseLanguage
;   Pop $0                     ; "en" for English
; VRC_USER_LANGUAGE defines VrcUseUserLanguage, which sets $LANGUAGE from Windows' own
; list; it needs VRC_TRANSLATIONS and VRC_SET_LANGUAGE from the installer's texts.

!macro VRC_LANGUAGE_CHOICE un

; Stack: a string, then a separator character. Leaves the part after the first
; separator, then on top the part before it (the whole string when there is none).
Function ${un}VrcCut
  Exch $R0
  Exch
  Exch $R1
  Push $R2
  Push $R3
  StrCpy $R2 0
  loop:
    StrCpy $R3 $R1 1 $R2
    StrCmp $R3 "" whole
    StrCmp $R3 $R0 found
    IntOp $R2 $R2 + 1
    Goto loop
  found:
    StrCpy $R3 $R1 $R2
    IntOp $R2 $R2 + 1
    StrCpy $R1 $R1 "" $R2
    Goto out
  whole:
    StrCpy $R3 $R1
    StrCpy $R1 ""
  out:
  StrCpy $R0 $R3
  Pop $R3
  Pop $R2
  Exch $R1
  Exch
  Exch $R0
FunctionEnd

; Stack: a string, then on top what to look for in it. Leaves 1 or 0. Letter case
; does not count, as in every comparison here.
Function ${un}VrcContains
  Exch $R0
  Exch
  Exch $R1
  Push $R2
  Push $R3
  Push $R4
  StrLen $R3 $R0
  StrCpy $R2 0
  loop:
    StrCpy $R4 $R1 $R3 $R2
    StrCmp $R4 "" no
    StrCmp $R4 $R0 yes
    IntOp $R2 $R2 + 1
    Goto loop
  yes:
    StrCpy $R0 1
    Goto out
  no:
    StrCpy $R0 0
  out:
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd

Function ${un}VrcChooseLanguage
  Exch $0 ; the user's languages
  Exch
  Exch $1 ; the translations
  Push $2
  Push $3
  Push $4
  Push $5
  Push $6
  Push $7
  Push $8
  Push $9
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  Push $R4
  Push $R5
  Push $R6
  Push $R7
  StrCpy $2 " " ; languages whose regional translation a reader turned down
  next_tag:
    StrCmp $0 "" english
    Push $0
    Push " "
    Call ${un}VrcCut
    Pop $3
    Pop $0
    ; "de_DE.UTF-8@euro" reads as "de-DE".
    StrCpy $9 ""
    StrCpy $R3 0
    plain:
      StrCpy $R4 $3 1 $R3
      StrCmp $R4 "" plain_done
      StrCmp $R4 "." plain_done
      StrCmp $R4 "@" plain_done
      StrCmp $R4 "_" 0 +2
        StrCpy $R4 "-"
      StrCpy $9 "$9$R4"
      IntOp $R3 $R3 + 1
      Goto plain
    plain_done:
    Push $9
    Push "-"
    Call ${un}VrcCut
    Pop $4 ; language
    Pop $9 ; its subtags
    StrCpy $5 "" ; script
    StrCpy $6 "" ; region
    subtag:
      StrCmp $9 "" subtags_done
      Push $9
      Push "-"
      Call ${un}VrcCut
      Pop $R5
      Pop $9
      StrLen $R4 $R5
      ; An extension or private use: nothing about the script or region.
      IntCmp $R4 1 subtags_done
      IntCmp $R4 4 0 not_script not_script
        StrCmp $5 "" 0 subtag
        StrCmp $6 "" 0 subtag
        StrCpy $5 $R5
        Goto subtag
      not_script:
      StrCmp $6 "" 0 subtag
      IntCmp $R4 2 region
      IntCmp $R4 3 0 subtag subtag
      ; Three digits: a leading 1 keeps a leading 0 from reading as octal.
      IntOp $R6 "1$R5" + 0
      StrCmp $R6 "1$R5" region subtag
      region:
        StrCpy $6 $R5
        Goto subtag
    subtags_done:
    StrCmp $4 "en" english
    StrCpy $7 $1
    next_code:
      StrCmp $7 "" next_tag
      Push $7
      Push " "
      Call ${un}VrcCut
      Pop $8 ; a translation's code
      Pop $7
      Push $8
      Push "_"
      Call ${un}VrcCut
      Pop $R0 ; its language
      Pop $R1 ; its region
      StrCmp $R0 $4 0 next_code
      StrCmp $R1 "" chosen
      ; Who reads a regional translation beyond its region: by script where the
      ; language has more than one, and by the regions that write it the same way.
      ; Brazilian Portuguese is read in Brazil alone.
      StrCpy $R6 ""
      StrCpy $R7 ""
      StrCmp $8 "zh_CN" 0 +3
        StrCpy $R6 " hans "
        StrCpy $R7 " sg my "
      StrCmp $5 "" by_region
      StrCmp $R6 "" by_region
        Push $R6
        Push " $5 "
        Call ${un}VrcContains
        Pop $R2
        Goto decided
      by_region:
      StrCmp $6 "" bare
        StrCmp $6 $R1 chosen
        Push $R7
        Push " $6 "
        Call ${un}VrcContains
        Pop $R2
        Goto decided
      bare:
        ; A bare language reads it, unless the reader refused its region already.
        Push $2
        Push " $4 "
        Call ${un}VrcContains
        Pop $R2
        IntOp $R2 1 - $R2
      decided:
      IntCmp $R2 1 chosen
      StrCpy $2 "$2$4 "
      Goto next_code
  chosen:
    StrCpy $0 $8
    Goto done
  english:
    StrCpy $0 "en"
  done:
  Pop $R7
  Pop $R6
  Pop $R5
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
  Pop $9
  Pop $8
  Pop $7
  Pop $6
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

!macroend

!macro VRC_USER_LANGUAGE un

; Windows' display languages in the user's order, as the program reads them.
Function ${un}VrcUseUserLanguage
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $0 ""
  System::Alloc 4096
  Pop $1
  ; MUI_LANGUAGE_NAME (8): names such as "zh-TW", each ended by a null.
  System::Call 'kernel32::GetUserPreferredUILanguages(i 8, *i .r2, p r1, *i 2040) i .r3'
  StrCmp $3 0 listed
  StrCpy $2 $1
  name:
    System::Call 'kernel32::lstrlenW(p r2) i .r3'
    IntCmp $3 0 listed listed
    IntCmp $3 64 0 0 listed
    System::Call 'kernel32::lstrcpynW(w .r4, p r2, i 65)'
    StrCmp $0 "" 0 +3
      StrCpy $0 $4
      Goto +2
    StrCpy $0 "$0 $4"
    IntOp $3 $3 + 1
    IntOp $3 $3 * 2
    IntPtrOp $2 $2 + $3
    Goto name
  listed:
  System::Free $1
  Push "${VRC_TRANSLATIONS}"
  Push $0
  Call ${un}VrcChooseLanguage
  Pop $0
  !insertmacro VRC_SET_LANGUAGE $0
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

!macroend
