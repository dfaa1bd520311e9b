' expect-error: 5
Function Main()
    Main = MonthName(13)
End Function
