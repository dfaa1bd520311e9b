' expect: 6 29
Function Main()
    Main = Hour(CDate(-1.25)) & " " & Day(CDate(-1.25))
End Function
