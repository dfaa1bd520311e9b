' expect-error: 91
Function Main()
Dim o
o = Nothing
End Function
