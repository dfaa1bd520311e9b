' expect: 1031
Function Main()
    SetLocale "de-de"
    Main = GetLocale()
End Function
