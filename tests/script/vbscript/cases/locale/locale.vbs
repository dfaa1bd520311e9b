' Locale-dependent conversions, names and formats after SetLocale; InLocale
' evaluates an expression in a locale and then restores the one before.
Function InLocale(lcid, expression)
    Dim previous
    previous = SetLocale(lcid)
    InLocale = Eval(expression)
    SetLocale previous
End Function
? GetLocale() => 1033
? InLocale(2057, "FormatDateTime(DateSerial(2024, 1, 5), vbShortDate)") => 05/01/2024
? InLocale("fr-fr", "WeekdayName(1)") => dimanche
? InLocale(1031, "CDbl(""1,5"") = 1.5") => True
? InLocale(1031, "FormatCurrency(-1234.5)") => -1.234,50 €
? InLocale(1031, "FormatNumber(1234567.891)") => 1.234.567,89
? InLocale(1031, "FormatDateTime(DateSerial(2024, 1, 5), vbLongDate)") => Freitag, 5. Januar 2024
? InLocale(1031, "MonthName(3)") => März
? InLocale(1031, "DatePart(""ww"", DateSerial(2021, 1, 1), vbUseSystemDayOfWeek, vbUseSystem)") => 53
? InLocale(1041, "FormatCurrency(1234)") => ¥1,234
? InLocale("de-de", "GetLocale()") => 1031
? InLocale("1031", "GetLocale()") & " " & InLocale(1031, "IsDate(""15.03.2026"")") => 1031 True
? InLocale(1036, "SetLocale(0) & "" "" & GetLocale()") => 1036 1033
? SetLocale(12345) => err447
? SetLocale("xx-yy") => err5
? SetLocale(1031) & " " & GetLocale() => 1033 1031
