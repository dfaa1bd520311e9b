' expect: Empty 2
Function Main()
Dim a(2)
a(1) = 5
Erase a
Main = TypeName(a(1)) & " " & UBound(a)
End Function
