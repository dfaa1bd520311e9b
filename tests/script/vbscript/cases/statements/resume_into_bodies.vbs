' Under On Error Resume Next a statement whose header fails goes on into its
' body: a For or For Each body runs once and its Next fails (92, 451), a Do
' While or a Case runs, With runs without an object; a test after the body
' leaves the loop. With needs an object; For Each ends with its variable
' Empty; ReDim of a fixed array refuses before reading its bounds.
' uses: table.inc
Function Headers(which)
    On Error Resume Next
    x = 6
    Select Case which
    Case "for": For x = 1 / 0 To 3: y = y + 1: Next
    Case "each": For Each x In 42: y = y + 1: Next
    Case "while": Do While 1 / 0: y = y + 1: Exit Do: Loop
    Case "until": Do: y = y + 1: Loop Until 1 / 0
    Case "case": Select Case 1: Case 1 / 0: y = 1: Case Else: y = 2: End Select
    Case "with": With (1 / 0): y = 1: .z = 1: End With
    End Select
    Headers = Err.Number & " " & x & " " & y
End Function
Function AfterEach(): For Each x In Array(1, 2): Next: AfterEach = IsEmpty(x): End Function
? Headers("for") & "|" & Headers("each") & "|" & Headers("with") => 92 6 1|451 6 1|424 6 1
? Headers("while") & "|" & Headers("until") & "|" & Headers("case") => 11 6 1|11 6 1|11 6 1
? Stmt("With 42: End With") & " " & Stmt("With Nothing: End With") & " " & AfterEach() => 424 0 True
? Stmt("Dim fa(2): ReDim fa(""abc"")") & " " & Stmt("Dim fp(2): ReDim Preserve fp(""abc"")") => 10 13
