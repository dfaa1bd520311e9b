' uses: table.inc
' Statement and call forms not in the documented tables, and the compile
' errors of malformed ones.
Dim done
Class C
  Public V, Child, [Step], [Error]
  Sub SetV(a)
    V = a
  End Sub
End Class
Sub S()
  done = "done"
End Sub
Public Function PublicA()
  PublicA = "a"
End Function
Private Function PrivateB()
  PrivateB = "b"
End Function
Function Forms()
  Dim c, x
  Set c = New C
  Call c.SetV("x")
  c.Step = 1: c.Error = 2
  Set c.Child = New C
  Set c.Child.Child = New C
  c.Child.Child.V = 5
  S()
  If True Then ' comment
    x = 2
  End If
  If x = 1 Then
    x = "a"
  Else If x = 2 Then
    x = "b"
  End If
  End If
  Forms = c.V & c.Step & c.Error & c.Child.Child.V & " " & done & " " & x & PublicA() & PrivateB()
End Function
? Forms() => x125 done bab
? Not Nothing Is Nothing = False => True
? Stmt("Call 5") => 1010
? Stmt("Function F(): Class K: End Class: End Function") => 1024
? Stmt("Function F(): Sub Inner(): End Sub: End Function") => 1024
? Stmt("If True x = 1") => 1017
? Stmt("On Error GoTo Handler") => 1002
? Stmt("Set o Nothing") => 1011
? Stmt("x = Len(""a""") => 1006
