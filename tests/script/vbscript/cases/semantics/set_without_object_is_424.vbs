' expect-error: 424
Function Main()
Dim x
Set x = "text"
End Function
