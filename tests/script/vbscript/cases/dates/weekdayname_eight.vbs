' expect-error: 5
Function Main()
    Main = WeekdayName(8)
End Function
