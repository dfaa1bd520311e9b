' A member call continued on the next line, a word after a dot, parentheses
' that only group a callee, radix literals at their edges.
' uses: table.inc
Class Chain: Public Count: Function Ret(): Count = Count + 1: Set Ret = Me: End Function: End Class
Function SetFirst(a): a(0) = 2: SetFirst = 1: End Function
Function Chained()
    Set c = New Chain
    c.Ret() _
.Ret() _
    .Ret()
    Chained = c.Count
End Function
Function Grouped(form)
    x = Array(1)
    If form = 1 Then Call (((SetFirst))) (x) Else y = (SetFirst)(x)
    Grouped = x(0)
End Function
? Chained() & " " & Grouped(1) & " " & Grouped(2) & " " & Stmt("Call (New RegExp).Test(""a"")") => 3 2 2 0
? Stmt("Set d = New RegExp: x = d.rem") => 438
? TypeName(&H8000) & " " & TypeName(&H8001) & " " & TypeName(-32768) => Long Integer Long
? Stmt("x = &O8") & " " & Stmt("x = Eval(""Dim y"")") => 1002 1002
