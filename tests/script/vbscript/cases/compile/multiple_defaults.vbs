' expect-compile-error: 1052
' expect-line: 6
Class C
  Public Default Function A()
  End Function
  Public Default Function B()
  End Function
End Class
Function Main()
End Function
