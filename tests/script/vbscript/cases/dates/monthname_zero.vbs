' expect-error: 5
Function Main()
    Main = MonthName(0)
End Function
