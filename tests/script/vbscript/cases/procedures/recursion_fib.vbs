' expect: 6765
Function Fib(n)
  If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)
End Function
Function Main()
Main = Fib(20)
End Function
