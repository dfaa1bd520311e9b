' expect: 0
Function Main()
On Error Resume Next
Dim a: a = 1
Main = Err.Number
End Function
