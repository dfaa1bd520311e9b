' expect: 4
Function Sq(x)
  Sq = x * x
End Function
Function Apply(fn, v)
  Apply = fn(v)
End Function
Function Main()
Main = Apply(GetRef("Sq"), Sqr4())
End Function
Function Sqr4()
  Sqr4 = 2
End Function
