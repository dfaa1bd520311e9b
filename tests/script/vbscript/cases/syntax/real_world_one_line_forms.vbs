' expect: if:2,3,4 proc:1,5,6,7 me:True,8,<x>,[y] redef:2,2 nested:9
' Forms real scripts use: blocks closed on the line that opens them, Me
' outside a class, default members of Me(...) and (expr)(...), and a
' procedure defined twice.
Dim early: early = Twice()
Function Twice() : Twice = 1 : End Function
Sub Noop() End Sub
Sub SetG(v) g = v End Sub
Function One() One = 1 End Function
Function Five(): Five = 5 End Function
Function Six() : Six = 6 End Function
Function Seven()
  Seven = 7 End Function
Function Eight(a) : Eight = a * 2 : End Function
Function Nine() If True Then Nine = 9 End Function
Function Twice() : Twice = 2 : End Function
Dim g
Class Fmt
  Public Default Function Wrap(s) : Wrap = "<" & s & ">" : End Function
  Public Function Self(s) : Self = Me(s) : End Function
End Class
Class Box
  Public Default Function Item(s) Item = "[" & s & "]" End Function
End Class
Function Main()
  Dim a, b, c
  If True Then a = 1 : a = 2 : End If
  If False Then b = 1 Else b = 3 End If
  If True Then c = 4 End If
  Noop
  Main = "if:" & a & "," & b & "," & c
  Main = Main & " proc:" & One() & "," & Five() & "," & Six() & "," & Seven()
  Main = Main & " me:" & IsObject(Me) & "," & Me.Eight(4) & "," & (New Fmt).Self("x") & "," & (New Box)("y")
  Main = Main & " redef:" & early & "," & Twice()
  Main = Main & " nested:" & Nine()
End Function
