' expect-error: 450
Function Main()
Main = Len(1, 2)
End Function
