' expect-compile-error: 1048
' expect-line: 3
Property Get P
End Property
Function Main()
End Function
