' expect-error: 450
Sub S(a)
End Sub
Function Main()
S 1, 2
End Function
