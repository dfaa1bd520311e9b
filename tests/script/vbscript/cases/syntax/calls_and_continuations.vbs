' A member call continued on the next line, words after a dot, parentheses
' that only group a callee, radix literals at their edges and text that ends
' where an expression should follow.
' uses: table.inc
Class Chain
    Public Count
    Public Function Ret()
        Count = Count + 1
        Set Ret = Me
    End Function
End Class
Function SetFirst(a)
    a(0) = 2
    SetFirst = 1
End Function
Function Chained()
    Dim c
    Set c = New Chain
    c.Ret() _
.Ret() _
    .Ret()
    Chained = c.Count
End Function
Function GroupedCallee(form)
    Dim x, y
    x = Array(1)
    If form = 1 Then Call (((SetFirst))) (x) Else y = (SetFirst)(x)
    GroupedCallee = x(0)
End Function
? Chained() => 3
? Stmt("Set d = New RegExp: x = d.rem") => 438
? GroupedCallee(1) & " " & GroupedCallee(2) => 2 2
? Stmt("Call (New RegExp).Test(""a"")") => 0
? TypeName(&H8000) & " " & TypeName(&H8001) & " " & TypeName(-32768) => Long Integer Long
? Stmt("x = &O8") => 1002
? Stmt("x = Eval(""Dim y"")") => 1002
