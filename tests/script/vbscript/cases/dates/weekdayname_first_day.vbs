' expect: Monday
Function Main()
    Main = WeekdayName(1, False, vbMonday)
End Function
