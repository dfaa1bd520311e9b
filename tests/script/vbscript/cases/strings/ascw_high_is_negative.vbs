' expect: -1
Function Main()
    Main = AscW(ChrW(&HFFFF))
End Function
