' expect-error: 438
Class C
End Class
Function Make()
  Make = New C
End Function
Function Main()
Dim o: o = Make()
End Function
