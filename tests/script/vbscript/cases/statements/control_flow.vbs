' uses: table.inc
' Loops, their exits and counters, and If and Select Case blocks.
Function DoLoops()
  Dim i, r
  Do
    i = i + 1
    If i = 7 Then Exit Do
  Loop
  r = i: i = 0
  Do
    i = i + 1
  Loop Until i >= 3
  r = r & i: i = 0
  Do
    i = i + 1
  Loop While i < 0
  r = r & i: i = 0
  Do Until i = 5
    i = i + 1
  Loop
  r = r & i: i = 0
  Do While i < 5
    i = i + 1
  Loop
  r = r & i: i = 0
  While i < 10
    i = i + 1
  Wend
  DoLoops = r & " " & i
End Function
Function Exits()
  Dim i, j, r
  Do
    i = i + 1
    For j = 1 To 5
      If j = 2 Then Exit Do
    Next
  Loop
  r = i & j & " "
  i = 0
  Do
    While True
      i = i + 1
      If i = 4 Then Exit Do
    Wend
  Loop
  r = r & i & " "
  For i = 1 To 10
    Do
      If i = 3 Then Exit For
      Exit Do
    Loop
  Next
  r = r & i & " "
  For i = 1 To 5
    For j = 1 To 5
      If j = 3 Then Exit For
    Next
    If i = 2 Then Exit For
  Next
  Exits = r & i & j
  Exit Function
  Exits = "late"
End Function
Function Fors()
  Dim i, s, c
  For i = 1 To 5
    s = s + i
    Dim d
    d = d + 1
  Next
  s = s & " " & i & " " & d & " "
  For i = 1 To 10 Step 2: s = s & i: Next
  s = s & " "
  For i = 5 To 1 Step -1: s = s & i: Next
  s = s & " "
  For i = 0 To 2 Step 0.5: s = s & i & ";": Next
  For i = 5 To 1: c = 1: Next
  s = s & " " & TypeName(c) & i & " "
  For i = 1 To 2: Next
  s = s & TypeName(i)
  For i = 32760 To 32770: Next
  s = s & TypeName(i)
  For i = 1.5 To 2: Next
  Fors = s & TypeName(i)
End Function
Function ForEachs()
  Dim a, x, s, c, m(1, 1)
  For Each x In Array(1, 2, 3): s = s + x: Next
  For Each x In m: c = c + 1: Next
  s = s & " " & c & " "
  a = Array(1, 2, 3): c = 0
  For Each x In a
    a(2) = 9
    c = c + 1
  Next
  ForEachs = s & c & " " & a(2)
End Function
Function Branch(x)
  If x = 1 Then
    Branch = "one"
  ElseIf x = 2 Then
    Branch = "two"
  Else
    If x = 3 Then Branch = "three" Else Branch = "other"
  End If
End Function
Function ElseMany()
  Dim a
  If False Then a = 1 Else a = 2: a = a + 3
  ElseMany = a
End Function
Function Size(n)
  Select Case True
    Case n < 10: Size = "small"
    Case n >= 10: Size = "big"
    Case n >= 10: Size = "second"
  End Select
End Function
? DoLoops() => 73155 10
? Exits() => 12 4 3 23
? Fors() => 15 6 5 13579 54321 0;0.5;1;1.5;2; Empty5 IntegerLongDouble
? ForEachs() => 6 4 3 9
? Stmt("For Each x In 5: Next") => 451
? Branch(1) & Branch(2) & Branch(3) & Branch(4) & ElseMany() => onetwothreeother5
? Size(5) & Size(50) & TypeName(Size(Null)) => smallbigEmpty
