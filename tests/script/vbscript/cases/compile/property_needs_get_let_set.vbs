' expect-compile-error: 1049
' expect-line: 4
Class C
  Property Put P
  End Property
End Class
Function Main()
End Function
