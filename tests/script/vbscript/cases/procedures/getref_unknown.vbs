' expect-error: 5
Function Main()
Dim f
Set f = GetRef("Nope")
End Function
