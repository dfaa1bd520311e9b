Function Main()
  Dim t, i, x: t = Timer
  For i = 1 To 1000000
    x = (x + i * 3) Mod 1000003
  Next
  Main = Round((Timer - t) * 1000)
End Function
