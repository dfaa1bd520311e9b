' expect: AA
Function Main()
    Main = String(2, 65)
End Function
