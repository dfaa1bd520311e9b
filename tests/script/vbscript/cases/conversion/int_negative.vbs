' expect: -3
Function Main()
    Main = Int(-2.3)
End Function
