' expect: 11
Function Main()
On Error Resume Next
Execute "x = 1 / 0"
Main = Err.Number
End Function
