' expect-compile-error: 1051
' expect-line: 6
Class C
  Property Get P(a)
  End Property
  Property Let P(v)
  End Property
End Class
Function Main()
End Function
