' expect-compile-error: 1024
' expect-line: 4
Function Main()
  Class K
  End Class
End Function
