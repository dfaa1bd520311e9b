' expect: -2147221503
Function Main()
On Error Resume Next
Err.Raise &H80040001
Main = Err.Number
End Function
