' expect: a
Function Main()
Dim e
Main = "a" + e
End Function
