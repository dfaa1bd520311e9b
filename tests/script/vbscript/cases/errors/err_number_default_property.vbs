' expect: 5
Function Main()
On Error Resume Next
Err.Raise 5
Main = Err
End Function
