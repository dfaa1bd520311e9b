' expect: A
Function Main()
    Main = Hex(10.5)
End Function
