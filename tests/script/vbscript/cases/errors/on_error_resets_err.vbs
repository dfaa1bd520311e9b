' expect: 0
Function Main()
On Error Resume Next
Dim a: a = 1 / 0
On Error Resume Next
Main = Err.Number
End Function
