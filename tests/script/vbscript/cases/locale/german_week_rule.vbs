' expect: 53
Function Main()
    SetLocale 1031
    Main = DatePart("ww", DateSerial(2021, 1, 1), vbUseSystemDayOfWeek, vbUseSystem)
End Function
