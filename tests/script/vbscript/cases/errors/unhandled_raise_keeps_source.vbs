' expect: 5000
Function Main()
On Error Resume Next
Err.Raise 5000, "MySource"
Main = Err.Number
End Function
