' expect-error: 13
Function Main()
Main = CLng("abc")
End Function
