' expect: 13:45:30
Function Main()
    Main = Hour(#1/1/2000 13:45:30#) & ":" & Minute(#1/1/2000 13:45:30#) & ":" & Second(#1/1/2000 13:45:30#)
End Function
