' expect-error: 91
Function Main()
Dim o: Set o = Nothing
Main = o
End Function
