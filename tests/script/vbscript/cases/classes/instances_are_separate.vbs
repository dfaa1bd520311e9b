' expect: 1 2
Class C
  Public V
End Class
Function Main()
Dim a, b: Set a = New C: Set b = New C
a.V = 1: b.V = 2
Main = a.V & " " & b.V
End Function
