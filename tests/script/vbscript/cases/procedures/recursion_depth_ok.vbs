' expect: 300
Function R(n)
  If n = 0 Then R = 0 Else R = 1 + R(n - 1)
End Function
Function Main()
Main = R(300)
End Function
