' expect: ef
Function Main()
    Main = Right("abcdef", 2)
End Function
