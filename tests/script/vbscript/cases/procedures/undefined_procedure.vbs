' expect-error: 13
Function Main()
Main = NoSuch(1)
End Function
