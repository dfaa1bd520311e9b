' expect-error: 5000
Function Main()
Err.Raise 5000, "src", "boom"
End Function
