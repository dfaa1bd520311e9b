' expect: 10
Sub Sum(n, acc)
  If n = 0 Then Exit Sub
  acc = acc + n
  Sum n - 1, acc
End Sub
Function Main()
Dim t: t = 0
Sum 4, t
Main = t
End Function
