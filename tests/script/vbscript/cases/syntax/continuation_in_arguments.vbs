' expect: 6
Function Add3(a, b, c)
  Add3 = a + b + c
End Function
Function Main()
Main = Add3(1, _
  2, _
  3)
End Function
