' expect-error: 11
' expect-line: 5
Class T
  Sub Class_Initialize()
    Dim a: a = 1 / 0
  End Sub
End Class
Function Main()
Dim x: Set x = New T
End Function
