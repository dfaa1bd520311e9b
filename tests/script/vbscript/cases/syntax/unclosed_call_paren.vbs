' expect-compile-error: 1006
' expect-line: 4
Function Main()
Main = Len("a"
End Function
