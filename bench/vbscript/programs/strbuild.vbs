Function Main()
  Dim t, i, s: t = Timer
  For i = 1 To 1000000
    s = s & "x"
  Next
  Main = Round((Timer - t) * 1000)
End Function
