' Eval, Execute, ExecuteGlobal and GetRef on arguments that are not text;
' a later unit cannot declare an array again.
' uses: table.inc
? Eval(42) & " " & IsNull(Eval(Null)) & " " & Eval(Obj("1 + 1")) => 42 True 2
? Stmt("Execute 42") & " " & Stmt("ExecuteGlobal Null") & " " & Stmt("Set r = GetRef(123)") & " " & Stmt("Execute New EmptyClass") => 13 13 13 438
? Stmt("ExecuteGlobal ""Dim gA()"": ExecuteGlobal ""Dim gA()""") & " " & Stmt("ExecuteGlobal ""Dim gB"": ExecuteGlobal ""Dim gB()""") => 13 0
