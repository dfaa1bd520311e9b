' expect: ok
Function Main()
If True Then ' comment
  Main = "ok"
End If
End Function
