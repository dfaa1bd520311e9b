' expect: -1
Function Main()
    Main = AscW(ChrW(-1))
End Function
