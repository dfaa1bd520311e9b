' expect: 4
Function Main()
Dim a
Let a = 4
Main = a
End Function
