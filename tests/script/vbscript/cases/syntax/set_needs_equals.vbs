' expect-compile-error: 1011
' expect-line: 5
Function Main()
Dim o
Set o Nothing
End Function
