' expect: big
Function Main()
Dim n: n = 50
Select Case True
  Case n < 10: Main = "small"
  Case n >= 10: Main = "big"
End Select
End Function
