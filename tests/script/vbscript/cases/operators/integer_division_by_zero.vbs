' expect-error: 11
Function Main()
Main = 5 \ 0
End Function
