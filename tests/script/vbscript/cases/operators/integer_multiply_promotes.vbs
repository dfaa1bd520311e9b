' expect: 40000 Long
Function Main()
Dim a: a = 200 * 200
Main = a & " " & TypeName(a)
End Function
