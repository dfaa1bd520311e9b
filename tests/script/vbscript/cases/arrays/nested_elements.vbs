' a(i)(j) is assigned and passed ByRef in place; x(i) and x() of a plain value are 13, a() is 9.
' uses: table.inc
Sub Bump(v): v = v + 1: End Sub
Function Nested(what)
    x = Array(Array(1, Empty))
    If what = "let" Then x(0)(1) = 5 Else If what = "set" Then Set x(0)(1) = New EmptyClass Else Bump x(0)(0)
    Nested = TypeName(x(0)(1)) & " " & x(0)(0)
End Function
? Nested("let") & "|" & Nested("set") & "|" & Nested("byref") => Integer 1|EmptyClass 1|Empty 2
? Stmt("x = Array(42): x(0)(0) = 5") & " " & Stmt("x = 42: y = x()") & " " & Stmt("Dim a(2): y = a()") => 13 13 9
