' expect: abc
Function Main()
    Main = Replace("abc", "", "x")
End Function
