' expect-error: 424
Function Main()
Main = 1 Is 2
End Function
