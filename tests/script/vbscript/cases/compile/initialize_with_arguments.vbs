' expect-compile-error: 1053
' expect-line: 4
Class C
  Sub Class_Initialize(a)
  End Sub
End Class
Function Main()
End Function
