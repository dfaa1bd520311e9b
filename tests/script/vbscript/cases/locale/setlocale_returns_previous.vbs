' expect: 1033 1031
Function Main()
    Main = SetLocale(1031) & " " & GetLocale()
End Function
