' expect-error: 506
Function Main()
Dim x: Set x = New Nope
End Function
