' expect: abc
Function Main()
    Main = Left("abcdef", 3)
End Function
