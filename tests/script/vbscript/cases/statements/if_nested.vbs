' expect: b
Function Main()
If True Then
  If False Then
    Main = "a"
  Else
    Main = "b"
  End If
End If
End Function
