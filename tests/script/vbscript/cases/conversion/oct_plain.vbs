' expect: 10
Function Main()
    Main = Oct(8)
End Function
