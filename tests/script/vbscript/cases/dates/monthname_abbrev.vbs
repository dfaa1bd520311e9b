' expect: Dec
Function Main()
    Main = MonthName(12, True)
End Function
