' expect: first
Function Main()
Select Case 1
  Case 1: Main = "first"
  Case 1: Main = "second"
End Select
End Function
