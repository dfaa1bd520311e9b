' expect: 3 9
Function Main()
Dim a, x, c
a = Array(1, 2, 3)
For Each x In a
  a(2) = 9
  c = c + 1
Next
Main = c & " " & a(2)
End Function
