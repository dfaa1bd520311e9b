' expect: abc
Function Main()
    Main = Split("abc", "")(0)
End Function
