' expect: 3628800
Function Fact(n)
  If n <= 1 Then
    Fact = 1
  Else
    Fact = n * Fact(n - 1)
  End If
End Function
Function Main()
Main = Fact(10)
End Function
