' expect: 0
Function Main()
    Main = Sin(0)
End Function
