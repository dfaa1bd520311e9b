' expect-error: 438
Class C
End Class
Function Main()
Dim o
o = New C
End Function
