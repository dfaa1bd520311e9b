' expect: AA
Function Main()
    Main = String(2, 321)
End Function
