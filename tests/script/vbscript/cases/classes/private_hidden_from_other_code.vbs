' expect-error: 438
' expect-line: 8
Class C
  Private p
End Class
Class D
  Function Peek(c)
    Peek = c.p
  End Function
End Class
Function Main()
Main = (New D).Peek(New C)
End Function
