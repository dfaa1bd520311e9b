' expect: 3.142
Function Main()
    Main = FormatNumber(3.14159, 3)
End Function
