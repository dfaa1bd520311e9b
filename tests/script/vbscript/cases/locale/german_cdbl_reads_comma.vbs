' expect: True
Function Main()
    SetLocale 1031
    Main = (CDbl("1,5") = 1.5)
End Function
