' expect: 1033
Function Main()
    Main = GetLocale()
End Function
