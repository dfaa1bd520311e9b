' expect: 32768 Long
Function Main()
Dim a: a = 32767 + 1
Main = a & " " & TypeName(a)
End Function
