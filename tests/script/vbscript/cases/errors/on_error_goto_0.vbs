' expect-error: 11
Function Main()
On Error Resume Next
On Error GoTo 0
Dim a: a = 1 / 0
End Function
