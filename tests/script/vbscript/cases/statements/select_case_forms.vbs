' expect: a|b|b||d|q|z|n|qe|
' Select Case: statements on the Case line with and without ':', empty
' bodies, comma lists, Case Else on one line, the whole block on one line.
Function Pick(i)
  Dim r
  Select Case i
  Case 1 r = "a"
  Case 2, 3: r = "b"
  Case 4
  Case 5 : r = "d"
  Case 6, 7 r = "q"
  Case Else r = "e"
  End Select
  Pick = r
End Function
Function Main()
  Dim i, r
  For i = 1 To 6
    r = r & Pick(i) & "|"
  Next
  Select Case 1 : Case 1 : r = r & "z|" : End Select
  Select Case Null
  Case Null: r = r & "null|"
  Case Else: r = r & "n|"
  End Select
  Main = r & Pick(7) & Pick(9) & "|"
End Function
