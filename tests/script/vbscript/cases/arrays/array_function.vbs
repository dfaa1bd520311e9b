' expect: 3 c
Function Main()
Dim a: a = Array("a", "b", "c")
Main = UBound(a) + 1 & " " & a(2)
End Function
