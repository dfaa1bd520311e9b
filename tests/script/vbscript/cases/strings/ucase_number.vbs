' expect: 12
Function Main()
    Main = UCase(12)
End Function
