' expect: 53
Function Main()
    Main = DatePart("ww", DateSerial(2021, 1, 1), vbMonday, vbFirstFourDays)
End Function
