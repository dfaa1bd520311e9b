' expect: abc
Function Main()
    Main = Left("abc", 10)
End Function
