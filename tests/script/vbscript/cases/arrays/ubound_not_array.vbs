' expect-error: 13
Function Main()
Main = UBound(5)
End Function
