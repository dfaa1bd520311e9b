' expect: Division by zero
Function Main()
On Error Resume Next
Dim a: a = 1 / 0
Main = Err.Description
End Function
