' expect: 1
Function Main()
    Main = DatePart("ww", DateSerial(2021, 1, 4), vbMonday, vbFirstFourDays)
End Function
