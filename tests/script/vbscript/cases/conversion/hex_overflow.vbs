' expect-error: 6
Function Main()
    Main = Hex(1E+20)
End Function
