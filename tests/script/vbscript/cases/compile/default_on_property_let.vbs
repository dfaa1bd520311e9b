' expect-compile-error: 1058
' expect-line: 4
Class C
  Public Default Property Let A(v)
  End Property
End Class
Function Main()
End Function
