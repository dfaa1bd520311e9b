' expect: 2
Class C
  Function F()
    Dim x: x = 2
    F = x
  End Function
End Class
Function Main()
Main = (New C).F()
End Function
