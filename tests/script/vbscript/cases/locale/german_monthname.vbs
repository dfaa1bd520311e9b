' expect: März
Function Main()
    SetLocale 1031
    Main = MonthName(3)
End Function
