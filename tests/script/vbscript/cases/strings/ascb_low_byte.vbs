' expect: 65
Function Main()
    Main = AscB("A")
End Function
