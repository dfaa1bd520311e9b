' expect-error: 13
Function Main()
Main = "abc" + 1
End Function
