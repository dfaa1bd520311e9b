' expect: -0.50
Function Main()
    Main = FormatNumber(-0.5)
End Function
