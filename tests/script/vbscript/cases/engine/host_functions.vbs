' The engine's identity, its built-in constants, and the functions that need a
' host (GetObject, InputBox, MsgBox) when none is there; DebugPrint is then
' dropped, and has no value.
DebugPrint "dropped"
DebugPrint
? ScriptEngine & " " & ScriptEngineMajorVersion & "." & ScriptEngineMinorVersion => VBScript 5.8
? ScriptEngineBuildVersion > 0 => True
? TypeName(vbOK) & " " & TypeName(vbWhite) & " " & TypeName(vbCrLf) => Integer Long String
? vbBlack & "," & vbRed & "," & vbGreen & "," & vbBlue & "," & vbWhite => 0,255,65280,16711680,16777215
? vbYellow & "," & vbMagenta & "," & vbCyan => 65535,16711935,16776960
? vbBinaryCompare & vbTextCompare => 01
? vbGeneralDate & vbLongDate & vbShortDate & vbLongTime & vbShortTime => 01234
? vbSunday & vbMonday & vbSaturday & vbUseSystemDayOfWeek => 1270
? vbOKOnly & vbOKCancel & vbAbortRetryIgnore & vbYesNoCancel & vbYesNo & vbRetryCancel => 012345
? vbCritical & "," & vbQuestion & "," & vbExclamation & "," & vbInformation => 16,32,48,64
? vbDefaultButton2 & "," & vbSystemModal & "," & vbMsgBoxHelpButton => 256,4096,16384
? vbMsgBoxSetForeground & "," & vbMsgBoxRight & "," & vbMsgBoxRtlReading => 65536,524288,1048576
? vbOK & vbCancel & vbAbort & vbRetry & vbIgnore & vbYes & vbNo => 1234567
? vbObjectError => -2147221504
? AscW(vbNullChar) & "," & Len(vbNullString) => 0,0
? AscW(vbVerticalTab) & "," & AscW(vbFormFeed) & "," & AscW(vbBack) => 11,12,8
? Len(vbCrLf) & Len(vbNewLine) & AscW(vbCr) & AscW(vbLf) & AscW(vbTab) => 2213109
? vbTrue & vbFalse & vbUseDefault => -10-2
? vbEmpty & vbNull & vbInteger & vbLong & vbSingle & vbDouble & vbCurrency & vbDate => 01234567
? vbString & vbObject & vbError & vbBoolean & vbVariant & vbByte & vbArray => 89101112178192
? vbUseSystem & vbFirstJan1 & vbFirstFourDays & vbFirstFullWeek => 0123
? TypeName(GetObject("", "Scripting.Dictionary")) => Dictionary
? TypeName(CreateObject("scripting.DICTIONARY")) & " " & TypeName(CreateObject("vbscript.regexp")) => Dictionary IRegExp2
? GetObject("c:\some\file.xls") => err429
? GetObject("", "No.Such.Thing") => err429
? InputBox("name?") => err70
? MsgBox("hello") => err70
? DebugPrint(1) => err13
