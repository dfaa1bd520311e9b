' expect-error: 501
Const C = 1
Function Main()
C = 2
End Function
