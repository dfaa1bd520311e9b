' expect: Sunday
Function Main()
    Main = WeekdayName(1)
End Function
