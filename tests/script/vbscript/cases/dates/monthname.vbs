' expect: February
Function Main()
    Main = MonthName(2)
End Function
