' expect-error: 7
Function Main()
Dim s: s = "x"
Do
  s = s & s
Loop
End Function
