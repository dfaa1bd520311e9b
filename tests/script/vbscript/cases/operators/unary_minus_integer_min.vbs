' expect: 32768 Long
Function Main()
Dim a: a = -32768
Main = -a & " " & TypeName(-a)
End Function
