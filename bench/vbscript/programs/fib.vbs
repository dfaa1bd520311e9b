Function Fib(n)
  If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)
End Function
Function Main()
  Dim t: t = Timer
  Fib 27
  Main = Round((Timer - t) * 1000)
End Function
