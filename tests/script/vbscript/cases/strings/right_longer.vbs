' expect: ab
Function Main()
    Main = Right("ab", 5)
End Function
