' expect: FFFFFFFF
Function Main()
    Main = Hex(CLng(-1))
End Function
