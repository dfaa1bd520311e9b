' A plain field takes no index from outside (438) nor empty parentheses when
' read (5); a Property Let receives an object as it is; Set needs a Property
' Set. New makes the engine's classes first; under Option Explicit a name
' that is neither class nor variable is undefined (500).
' uses: table.inc
Class Holder: Public Field, Seen: Property Let Item(v): Seen = TypeName(v): End Property: End Class
Set h = New Holder
? Stmt("x = h.Field(0)") & " " & Stmt("h.Field(0) = 1") & " " & Stmt("x = h.Field()") & " " & Stmt("h.Field() = 1") => 438 438 5 0
? Stmt("h.Item = New EmptyClass") & " " & h.Seen & " " & Stmt("Set h.Item = New EmptyClass") => 0 EmptyClass 438
? Stmt("ExecuteGlobal ""Option Explicit: Dim g1: Set g1 = New NoSuchClass""") => 500
? Stmt("ExecuteGlobal ""Option Explicit: Dim g2, g3: Set g2 = New g3""") => 506
' case: the engine's RegExp comes before a script class of that name
' expect: Boolean
Class RegExp: Property Get Global(): Global = "script": End Property: End Class
Function Main(): Main = TypeName((New RegExp).Global): End Function
