' Date built-ins: arithmetic with DateAdd/DateDiff/DatePart, DateSerial
' normalising its arguments, parts, names and formats, by function.
? CDbl(Date) = Int(CDbl(Date)) => True
? DateAdd("x", 1, DateSerial(2000, 1, 1)) => err5
? DateAdd("d", -1, DateSerial(2024, 1, 1)) = DateSerial(2023, 12, 31) => True
? CStr(DateAdd("h", 36, DateSerial(2000, 1, 1))) => 1/2/2000 12:00:00 PM
? Minute(DateAdd("n", 90, DateSerial(2000, 1, 1))) => 30
? DateAdd("m", 1, DateSerial(2024, 1, 31)) = DateSerial(2024, 2, 29) => True
? DateAdd("d", 1, "nonsense") => err13
? IsNull(DateAdd("d", 1, Null)) => True
? DateAdd("d", 1, DateSerial(9999, 12, 31)) => err5
? Month(DateAdd("q", 1, DateSerial(2024, 1, 31))) => 4
? CStr(DateAdd("s", -1, DateSerial(2000, 1, 1))) => 12/31/1999 11:59:59 PM
? Day(DateAdd("w", 3, DateSerial(2000, 1, 1))) => 4
? DateAdd("ww", 2, DateSerial(2000, 1, 1)) = DateSerial(2000, 1, 15) => True
? Day(DateAdd("yyyy", 1, DateSerial(2024, 2, 29))) => 28
? DateDiff("ww", DateSerial(2000, 1, 1), DateSerial(2000, 2, 1), 8) => err5
? DateDiff("ww", DateSerial(2000, 1, 1), DateSerial(2000, 1, 2), vbMonday) => 0
? DateDiff("ww", DateSerial(2000, 1, 1), DateSerial(2000, 1, 2)) => 1
? DateDiff("d", DateSerial(2024, 1, 10), DateSerial(2024, 1, 1)) => -9
? DateDiff("h", DateSerial(2000, 1, 1), DateSerial(2000, 1, 2)) => 24
? DateDiff("m", DateSerial(2024, 1, 31), DateSerial(2024, 2, 1)) => 1
? IsNull(DateDiff("d", Null, DateSerial(2000, 1, 1))) => True
? DateDiff("q", DateSerial(2023, 12, 30), DateSerial(2024, 1, 1)) => 1
? DateDiff("s", TimeSerial(0, 0, 0), TimeSerial(1, 0, 0)) => 3600
? DateDiff("w", DateSerial(2000, 1, 1), DateSerial(2000, 1, 14)) => 1
? DateDiff("yyyy", DateSerial(2023, 12, 31), DateSerial(2024, 1, 1)) => 1
? DatePart("ww", DateSerial(2000, 1, 1), 1, 4) => err5
? DatePart("y", DateSerial(2024, 3, 31)) => 91
? IsNull(DatePart("d", Null)) => True
? DatePart("q", DateSerial(2024, 8, 1)) => 3
? DatePart("ww", DateSerial(2021, 1, 1), vbMonday, vbFirstFourDays) => 53
? DatePart("ww", DateSerial(2021, 1, 4), vbMonday, vbFirstFourDays) => 1
? DatePart("ww", DateSerial(2000, 1, 1), vbSunday, vbFirstFullWeek) => 52
? DatePart("ww", DateSerial(2000, 1, 2)) => 2
? DatePart("w", DateSerial(2000, 1, 1), vbMonday) => 6
? DateSerial(100, 1, 0) => err5
? CStr(DateSerial(2024, 1, 31)) => 1/31/2024
? Day(DateSerial(2024, 3, 0)) => 29
? DateSerial(2023, 13, 1) = DateSerial(2024, 1, 1) => True
? Month(DateSerial(2024, 0, 15)) & "/" & Year(DateSerial(2024, 0, 15)) => 12/2023
? Day(DateSerial(2024, 1, -1)) => 30
? CLng(DateSerial(2000, 1, 1)) => 36526
? Year(DateSerial(29, 1, 1)) & " " & Year(DateSerial(30, 1, 1)) => 2029 1930
? TypeName(DateSerial(2000, 1, 1)) => Date
? DateValue("2024-02-29 13:00") = DateSerial(2024, 2, 29) => True
? DateValue(Null) => err94
? FormatDateTime(Now, 5) => err5
? FormatDateTime(#1/31/2024 13:05:00#) => 1/31/2024 1:05:00 PM
? FormatDateTime(DateSerial(2024, 1, 5), vbLongDate) => Friday, January 5, 2024
? FormatDateTime(#1/31/2024 13:05:00#, vbLongTime) => 1:05:00 PM
? FormatDateTime(#1/31/2024 13:05:00#, vbShortDate) => 1/31/2024
? FormatDateTime(#1/31/2024 09:05:00#, vbShortTime) => 09:05
? Year(DateSerial(100, 1, 1)) => 100
? MonthName(2) => February
? MonthName(13) => err5
? MonthName(12, True) => Dec
? MonthName(0) => err5
? Hour(CDate(-1.25)) & " " & Day(CDate(-1.25)) => 6 29
? TypeName(Now) & TypeName(Date) & TypeName(Time) => DateDateDate
? Year(DateSerial(2024, 2, 29)) & "-" & Month(DateSerial(2024, 2, 29)) & "-" & Day(DateSerial(2024, 2, 29)) => 2024-2-29
? Day("hello") => err13
? IsNull(Year(Null)) => True
? Month("2024-02-29") => 2
? CDbl(Time) < 1 => True
? Hour(#1/1/2000 13:45:30#) & ":" & Minute(#1/1/2000 13:45:30#) & ":" & Second(#1/1/2000 13:45:30#) => 13:45:30
? (Timer >= 0) And (Timer < 86400) => True
? TypeName(Timer) => Single
? Hour(TimeSerial(0, 0, -1)) & ":" & Second(TimeSerial(0, 0, -1)) => 23:59
? CDbl(TimeSerial(12, 0, 0)) => 0.5
? Hour(TimeSerial(1, 90, 0)) & ":" & Minute(TimeSerial(1, 90, 0)) => 2:30
? CStr(TimeSerial(13, 5, 9)) => 1:05:09 PM
? CStr(TimeValue("2024-02-29 13:00")) => 1:00:00 PM
? Weekday(DateSerial(1899, 12, 29)) => 6
? Weekday(DateSerial(2024, 1, 1)) => 2
? Weekday(DateSerial(2024, 1, 1), vbMonday) => 1
? IsNull(Weekday(Null)) => True
? WeekdayName(2, True) => Mon
? WeekdayName(8) => err5
? WeekdayName(1, False, vbMonday) => Monday
? CDate(2958465.5) & " " & (CDate(-657434) = DateSerial(100, 1, 1)) => 12/31/9999 12:00:00 PM True
? CDate(2958466) => err6
? CDate("2958466") => err6
? CDate(-657435) => err6
? DateValue(44000) => err13
? IsDate("15.03.2026") => False
