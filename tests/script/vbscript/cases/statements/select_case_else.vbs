' expect: else
Function Main()
Select Case "x"
  Case "a": Main = "a"
  Case Else: Main = "else"
End Select
End Function
