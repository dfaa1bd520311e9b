' expect: 3
Class C
  Private p
  Function Go()
    With Me
      .p = 3
      Go = .p
    End With
  End Function
End Class
Function Main()
Main = (New C).Go()
End Function
