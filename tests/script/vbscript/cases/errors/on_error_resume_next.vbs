' expect: 11 after
Function Main()
On Error Resume Next
Dim a
a = 1 / 0
Main = Err.Number & " after"
End Function
