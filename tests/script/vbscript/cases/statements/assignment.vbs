' uses: table.inc
' Declarations, constants and assignment: what is copied and what shared,
' implicit variables and their scope, With blocks, and Set's errors.
Const PI = 3.14, S = "hi", N = -5
Public pub
Private priv
pub = 1: priv = 2
implicitGlobal = 7
Class P
  Public X, Inner
  Sub SetIt(v)
    X = v
  End Sub
End Class
Sub Implicit()
  y = 5
End Sub
Function ImplicitLocal()
  z = 5
  Implicit
  ImplicitLocal = z & TypeName(y)
End Function
Function Copies()
  Dim a(1), b, s, t
  a(0) = 1
  b = a
  b(0) = 2
  s = "a"
  t = s
  s = s & "b"
  Copies = a(0) & " " & s & " " & t
End Function
Function Withs()
  Dim p: Set p = New P
  Set p.Inner = New P
  With p
    .X = 3
    .SetIt .X + 1
    With .Inner
      .X = 2
    End With
  End With
  Withs = p.X & " " & p.Inner.X
End Function
? PI & " " & S & " " & N => 3.14 hi -5
? Stmt("PI = 2") => 501
? pub + priv & " " & implicitGlobal => 3 7
? ImplicitLocal() => 5Empty
? Stmt("Let lets = 4") & lets => 04
? Copies() => 1 ab a
? Withs() => 4 2
? Stmt("Set o = Nothing") & TypeName(o) => 0Nothing
? Stmt("Set o = 5") => 424
? Stmt("Stop") => 0
