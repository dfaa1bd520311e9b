' expect: ab
Public Function A()
  A = "a"
End Function
Private Function B()
  B = "b"
End Function
Function Main()
Main = A() & B()
End Function
