' expect: 1270
Function Main()
    Main = vbSunday & vbMonday & vbSaturday & vbUseSystemDayOfWeek
End Function
