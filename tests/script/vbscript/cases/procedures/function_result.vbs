' expect: 42
Function Answer()
  Answer = 42
End Function
Function Main()
Main = Answer()
End Function
