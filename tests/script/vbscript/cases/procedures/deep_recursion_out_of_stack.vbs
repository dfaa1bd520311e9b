' expect-error: 28
Function R(n)
  R = R(n + 1)
End Function
Function Main()
Main = R(0)
End Function
