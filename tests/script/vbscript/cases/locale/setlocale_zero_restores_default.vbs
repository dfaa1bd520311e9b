' expect: 1033
Function Main()
    SetLocale 1036
    SetLocale 0
    Main = GetLocale()
End Function
