' expect: 8364
Function Main()
    Main = AscW(Chr(128))
End Function
