' expect-compile-error: 1050
' expect-line: 5
Class C
  Property Get P
  End Function
End Class
Function Main()
End Function
