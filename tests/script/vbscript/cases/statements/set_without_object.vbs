' expect-error: 424
Function Main()
Dim o
Set o = 5
End Function
