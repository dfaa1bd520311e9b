' expect: 2
Function Main()
    Main = Int(2.9)
End Function
