' expect-compile-error: 1002
' expect-line: 5
Dim x
x = 1
On Error Foo
Function Main()
End Function
