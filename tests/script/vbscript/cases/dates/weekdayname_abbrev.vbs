' expect: Mon
Function Main()
    Main = WeekdayName(2, True)
End Function
