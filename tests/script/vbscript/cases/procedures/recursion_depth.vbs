' expect: 5000
' A simple recursive function goes at least 5000 calls deep before 28.
Function Depth(n)
  If n = 0 Then Depth = 0 Else Depth = Depth(n - 1) + 1
End Function
Function Main()
  Main = Depth(5000)
End Function
