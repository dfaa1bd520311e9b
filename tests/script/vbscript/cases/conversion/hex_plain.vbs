' expect: FF
Function Main()
    Main = Hex(255)
End Function
