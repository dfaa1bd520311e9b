' expect: 3 Integer
Function Main()
Dim a: a = 1 + 2
Main = a & " " & TypeName(a)
End Function
