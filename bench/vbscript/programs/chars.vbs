Function Main()
  Dim t, s, i, n: s = String(400000, "a"): t = Timer
  For i = 1 To Len(s)
    If Mid(s, i, 1) = "a" Then n = n + 1
  Next
  Main = Round((Timer - t) * 1000)
End Function
