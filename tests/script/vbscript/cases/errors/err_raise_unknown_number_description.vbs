' expect: Unknown runtime error
Function Main()
On Error Resume Next
Err.Raise 31999
Main = Err.Description
End Function
