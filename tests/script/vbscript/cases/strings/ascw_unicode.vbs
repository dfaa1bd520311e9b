' expect: 1046
Function Main()
    Main = AscW(ChrW(1046))
End Function
