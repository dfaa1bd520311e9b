' expect: 1 2
Function Main()
    Main = Join(Array(1, 2))
End Function
