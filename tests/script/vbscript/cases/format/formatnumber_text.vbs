' expect: 12.50
Function Main()
    Main = FormatNumber("12.5")
End Function
