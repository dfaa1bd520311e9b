' expect: 66
Function Main()
    Main = AscB(ChrB(66))
End Function
