' expect: failed: of 107
' uses: table.inc
' Date and time parts, DateSerial, TimeSerial, DateAdd, Weekday, MonthName and
' the Format functions' argument checks, as an expression table (CStr of the
' value, "Null", or "err" and the error number).
' Year-month-day hour:minute:second and the type of a date value.
Function Parts(d)
  Parts = Year(d) & "-" & Month(d) & "-" & Day(d) & " " & Hour(d) & ":" & Minute(d) & ":" & Second(d) & " " & TypeName(d)
End Function
Function Main()
  Check Join(Array( _
    "TypeName(Date) => Date", "TypeName(Time) => Date", "TypeName(Day(Now)) => Integer", "Day(2) => 1", _
    "TypeName(Month(Now)) => Integer", "Month(2) => 1", "TypeName(Year(Now)) => Integer", "Year(2) => 1900", _
    "TypeName(Hour(Now)) => Integer", "Hour(2) => 0", "Hour(2.75) => 18", "TypeName(Minute(Now)) => Integer", _
    "Minute(2) => 0", "Minute(2.02083) => 30", "TypeName(Second(Now)) => Integer", "Second(2) => 0", _
    "Parts(DateSerial(100, 2, 1)) => 100-2-1 0:0:0 Date", "Parts(DateSerial(0, 2, 1)) => 2000-2-1 0:0:0 Date", _
    "Parts(DateSerial(50, 2, 1)) => 1950-2-1 0:0:0 Date", "Parts(DateSerial(99, 2, 1)) => 1999-2-1 0:0:0 Date", _
    "Parts(DateSerial(2000, 14, 2)) => 2001-2-2 0:0:0 Date", "Parts(DateSerial(9999, 12, 1)) => 9999-12-1 0:0:0 Date", _
    "DateSerial(10000, 1, 1) => err5", "DateSerial(-10000, 1, 1) => err5", "DateSerial(Null, 1, 1) => err94", _
    "DateSerial(2000, Null, 1) => err94", "DateSerial(2000, 1, Null) => err94", _
    "Parts(TimeSerial(0, 0, 0)) => 1899-12-30 0:0:0 Date", "Parts(TimeSerial(10, 2, 1)) => 1899-12-30 10:2:1 Date", _
    "Parts(TimeSerial(0, 2, 1)) => 1899-12-30 0:2:1 Date", "Parts(TimeSerial(24, 2, 1)) => 1899-12-31 0:2:1 Date", _
    "Parts(TimeSerial(25, 2, 1)) => 1899-12-31 1:2:1 Date", "Parts(TimeSerial(50, 2, 1)) => 1900-1-1 2:2:1 Date", _
    "Parts(TimeSerial(10, 60, 2)) => 1899-12-30 11:0:2 Date", "Parts(TimeSerial(10, 0, 60)) => 1899-12-30 10:1:0 Date", _
    "TimeSerial(Null, 1, 1) => err94", "TimeSerial(10, Null, 1) => err94", "TimeSerial(10, 1, Null) => err94"), vbLf)
  Check Join(Array( _
    "Parts(DateAdd(""yyyy"", 1, DateSerial(2000, 1, 1))) => 2001-1-1 0:0:0 Date", _
    "Parts(DateAdd(""yYyy"", 1, DateSerial(2000, 1, 1))) => 2001-1-1 0:0:0 Date", _
    "Parts(DateAdd(""q"", 1, DateSerial(2000, 1, 1))) => 2000-4-1 0:0:0 Date", _
    "Parts(DateAdd(""Q"", 1, DateSerial(2000, 1, 1))) => 2000-4-1 0:0:0 Date", _
    "Parts(DateAdd(""m"", -1, DateSerial(2000, 1, 1))) => 1999-12-1 0:0:0 Date", _
    "Parts(DateAdd(""M"", -1, DateSerial(2000, 1, 1))) => 1999-12-1 0:0:0 Date", _
    "Parts(DateAdd(""y"", 1, DateSerial(2000, 12, 31))) => 2001-1-1 0:0:0 Date", _
    "Parts(DateAdd(""Y"", 1, DateSerial(2000, 12, 31))) => 2001-1-1 0:0:0 Date", _
    "Parts(DateAdd(""d"", 1, DateSerial(2000, 12, 31))) => 2001-1-1 0:0:0 Date", _
    "Parts(DateAdd(""D"", 1, DateSerial(2000, 12, 31))) => 2001-1-1 0:0:0 Date", _
    "Parts(DateAdd(""w"", 1, DateSerial(2000, 12, 31))) => 2001-1-1 0:0:0 Date", _
    "Parts(DateAdd(""W"", 1, DateSerial(2000, 12, 31))) => 2001-1-1 0:0:0 Date", _
    "Parts(DateAdd(""y"", -1, DateSerial(2000, 1, 1))) => 1999-12-31 0:0:0 Date", _
    "Parts(DateAdd(""d"", -1, DateSerial(2000, 1, 1))) => 1999-12-31 0:0:0 Date", _
    "Parts(DateAdd(""w"", -1, DateSerial(2000, 1, 1))) => 1999-12-31 0:0:0 Date", _
    "Parts(DateAdd(""ww"", 1, DateSerial(2000, 1, 1))) => 2000-1-8 0:0:0 Date", _
    "Parts(DateAdd(""ww"", -1, DateSerial(2000, 1, 1))) => 1999-12-25 0:0:0 Date", _
    "Parts(DateAdd(""Ww"", -1, DateSerial(2000, 1, 1))) => 1999-12-25 0:0:0 Date", _
    "DateAdd(""k"", 1, DateSerial(2000, 2, 1)) => err5", "DateAdd(Null, 1, DateSerial(2000, 2, 1)) => err94", _
    "DateAdd(""q"", Null, DateSerial(2000, 2, 1)) => err94", "DateAdd(""q"", 1, Null) => Null"), vbLf)
  Check Join(Array( _
    "Weekday(DateSerial(2000, 1, 1), vbSunday) => 7", "Weekday(DateSerial(2000, 1, 1)) => 7", _
    "TypeName(Weekday(DateSerial(2000, 1, 1))) => Integer", "Weekday(DateSerial(2000, 1, 1), vbMonday) => 6", _
    "Weekday(DateSerial(2000, 1, 1), vbTuesday) => 5", "Weekday(DateSerial(2000, 1, 1), vbWednesday) => 4", _
    "Weekday(DateSerial(2000, 1, 1), vbThursday) => 3", "Weekday(DateSerial(2000, 1, 1), vbFriday) => 2", _
    "Weekday(DateSerial(2000, 1, 1), vbSaturday) => 1", "Weekday(DateSerial(2000, 1, 1), vbUseSystemDayOfWeek) => 7", _
    "Weekday(DateSerial(1000, 1, 1), 10) => err5", "Weekday(DateSerial(1000, 1, 1), -1) => err5", _
    "Weekday(Null, -1) => err5", "Weekday(DateSerial(1000, 1, 1), Null) => err94", "Weekday(Null, vbSunday) => Null", _
    "Weekday(Null, Null) => err94", "Weekday(Null, ""a"") => err13", "Weekday(DateSerial(1000, 1, 1), ""a"") => err13", _
    "MonthName(Null) => err94", "MonthName(1, Null) => err94", "MonthName(Null, Null) => err94", _
    "MonthName(""a"", Null) => err94"), vbLf)
  Check Join(Array( _
    "FormatCurrency(Null) => err13", "FormatCurrency(1000, Null) => err94", "FormatCurrency(1000, 0, Null) => err94", _
    "FormatCurrency(1000, 0, 0, Null) => err94", "FormatCurrency(1000, 0, 0, 0, Null) => err94", _
    "TypeName(FormatCurrency(0)) => String", "TypeName(FormatCurrency(-1000, , , -1)) => String", _
    "FormatPercent(Null) => err13", "FormatPercent(.10, Null) => err94", "FormatPercent(.10, 0, Null) => err94", _
    "FormatPercent(.10, 0, 0, Null) => err94", "FormatPercent(.10, 0, 0, 0, Null) => err94", _
    "TypeName(FormatPercent(0)) => String", "TypeName(FormatPercent(.12, , , -1)) => String", _
    "FormatDateTime(Null) => err13", "FormatDateTime(.10, Null) => err94", "TypeName(FormatDateTime(0)) => String", _
    "TypeName(FormatDateTime(0.1, 1)) => String", _
    "FormatNumber(Null) => err13", "FormatNumber(.10, Null) => err94", "FormatNumber(.10, 0, Null) => err94", _
    "FormatNumber(.10, 0, 0, Null) => err94", "FormatNumber(.10, 0, 0, 0, Null) => err94", _
    "TypeName(FormatNumber(0)) => String", "TypeName(FormatNumber(.12, , , -1)) => String"), vbLf)
  Main = "failed:" & failed & " of " & count
End Function
