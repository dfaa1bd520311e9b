' expect: 0
Function Main()
    Main = Abs(Empty)
End Function
