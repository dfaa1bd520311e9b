' What Eval, Execute, ExecuteGlobal and GetRef make of arguments that are not
' text, and declarations a later unit cannot repeat.
' uses: table.inc
? Eval(42) & " " & IsNull(Eval(Null)) & " " & Eval(Obj("1 + 1")) => 42 True 2
? Stmt("Execute 42") & " " & Stmt("ExecuteGlobal Null") & " " & Stmt("Set r = GetRef(123)") => 13 13 13
? Stmt("Execute New EmptyClass") => 438
? Stmt("ExecuteGlobal ""Dim gArr()"": ExecuteGlobal ""Dim gArr()""") => 13
? Stmt("ExecuteGlobal ""Dim gOne"": ExecuteGlobal ""Dim gOne()""") => 0
