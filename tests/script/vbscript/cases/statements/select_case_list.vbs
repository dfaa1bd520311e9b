' expect: three
Function Main()
Select Case 3
  Case 1: Main = "one"
  Case 2, 3: Main = "three"
End Select
End Function
