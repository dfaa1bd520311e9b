' expect: 52
Function Main()
    Main = DatePart("ww", DateSerial(2000, 1, 1), vbSunday, vbFirstFullWeek)
End Function
