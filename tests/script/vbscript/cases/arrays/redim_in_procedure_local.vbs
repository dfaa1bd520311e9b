' expect: 3
Function Make()
  ReDim r(2)
  Make = r
End Function
Function Main()
Main = UBound(Make()) + 1
End Function
