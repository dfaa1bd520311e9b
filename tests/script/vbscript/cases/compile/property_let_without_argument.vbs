' expect-compile-error: 1054
' expect-line: 4
Class C
  Property Let P()
  End Property
End Class
Function Main()
End Function
