' expect: Type mismatch
Function Main()
On Error Resume Next
Err.Raise 13
Main = Err.Description
End Function
