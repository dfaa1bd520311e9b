' expect-compile-error: 1057
' expect-line: 4
Class C
  Private Default Function A()
  End Function
End Class
Function Main()
End Function
