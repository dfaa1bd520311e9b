' expect: 9999-12-31 6 6 100-1-1 6
Function Main()
    Dim last, d, r
    last = CDate(2958465.5)
    r = Year(last) & "-" & Month(last) & "-" & Day(last)
    On Error Resume Next
    d = CDate(2958466)
    r = r & " " & Err.Number
    Err.Clear
    d = CDate("2958466")
    r = r & " " & Err.Number
    Err.Clear
    d = CDate(-657434)
    r = r & " " & Year(d) & "-" & Month(d) & "-" & Day(d)
    d = CDate(-657435)
    Main = r & " " & Err.Number
End Function
