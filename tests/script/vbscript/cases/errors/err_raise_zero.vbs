' expect-error: 5
Function Main()
Err.Raise 0
End Function
