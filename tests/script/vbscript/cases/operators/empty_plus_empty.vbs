' expect: 0 Integer
Function Main()
Dim a, b
Main = (a + b) & " " & TypeName(a + b)
End Function
