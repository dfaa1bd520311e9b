' expect: else
Function Main()
Select Case Null
  Case Null: Main = "null"
  Case Else: Main = "else"
End Select
End Function
