' expect: two
Function Main()
Select Case 2
  Case 1: Main = "one"
  Case 2, 3
    Main = "two"
  Case Else
    Main = "else"
End Select
End Function
