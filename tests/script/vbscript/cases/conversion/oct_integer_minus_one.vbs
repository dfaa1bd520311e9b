' expect: 177777
Function Main()
    Main = Oct(CInt(-1))
End Function
