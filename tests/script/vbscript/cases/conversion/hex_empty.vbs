' expect: 0
Function Main()
    Main = Hex(Empty)
End Function
