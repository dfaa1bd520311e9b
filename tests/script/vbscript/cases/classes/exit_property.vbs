' expect: early
Class C
  Property Get P()
    P = "early"
    Exit Property
    P = "late"
  End Property
End Class
Function Main()
Main = (New C).P
End Function
