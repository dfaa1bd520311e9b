' expect: .50
Function Main()
    Main = FormatNumber(0.5, 2, vbFalse)
End Function
