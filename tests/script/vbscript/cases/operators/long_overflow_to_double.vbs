' expect: 2147483648 Double
Function Main()
Dim a: a = 2147483647 + 1
Main = a & " " & TypeName(a)
End Function
