' expect-error: 429
Function Main()
Dim o: Set o = CreateObject("No.Such.Thing")
End Function
