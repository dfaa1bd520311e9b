' expect: 2
Function Main()
    Main = Abs("-2")
End Function
