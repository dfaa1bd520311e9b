' expect-error: 451
Function Main()
Dim x
For Each x In 5
Next
End Function
