Option Explicit
' Arrays: bounds and subscripts, ReDim (declaring, Preserve, in procedures and
' methods), Erase, copies on assignment and passing ByRef/ByVal.
' uses: table.inc
Dim beforeDim: beforeDim = TypeName(late)
Dim late(1)
Dim fixed(2), grid(2, 3), undimensioned(), erased(), cleared(2), kept(), grown()
Dim dynamic(), passed, byValue, copy, scalar
scalar = 5
fixed(2) = 2
grid(2, 3) = 12
ReDim erased(3)
Erase erased
cleared(1) = 5
Erase cleared
ReDim kept(1)
kept(0) = 1
kept(1) = 2
ReDim Preserve kept(2)
ReDim grown(1, 1)
grown(1, 1) = 7
ReDim Preserve grown(1, 3)
ReDim g(1)
Sub SetFirst(x)
    x(0) = 9
End Sub
Sub SetFirstByVal(ByVal x)
    x(0) = 9
End Sub
passed = Array(1, 2)
SetFirst passed
byValue = Array(1, 2)
SetFirstByVal byValue
copy = byValue
copy(0) = 9
Function Make()
    ReDim r(2)
    Make = r
End Function
Function LocalDim()
    LocalDim = TypeName(a)
    Dim a(1)
    LocalDim = LocalDim & " " & TypeName(a) & UBound(a)
End Function
Function DimInLoop()
    Dim i
    For i = 0 To 2
        Dim a(2)
        a(i) = i
    Next
    DimInLoop = Join(a, ",")
End Function
Sub Grow()
    ReDim dynamic(3)
End Sub
Class Holder
    Private items()
    Function Size()
        ReDim items(4)
        Size = UBound(items) + 1
    End Function
End Class
? UBound(Array()) => -1
? LBound(Array(1)) => 0
? UBound(5) => err13
? VarType(Array()) => 8204
? UBound(Array("a", "b", "c")) + 1 & " " & Array("a", "b", "c")(2) => 3 c
? Array(Array(1, 5), 2)(0)(1) => 5
? passed(0) & " " & byValue(0) & " " & copy(0) => 9 1 9
? UBound(fixed) + 1 & " " & fixed(2) & " " & fixed(1.5) => 3 2 2
? IsArray(fixed) & " " & TypeName(fixed) => True Variant()
? fixed(-1) => err9
? fixed(3) => err9
? scalar(1) => err13
? UBound(grid, 1) + 1 & " " & UBound(grid, 2) + 1 & " " & grid(2, 3) => 3 4 12
? grid(1) => err9
? UBound(undimensioned) => err9
? undimensioned(0) => err9
? Stmt("undimensioned() = 1") => 9
? UBound(erased) => err9
? TypeName(cleared(1)) & " " & UBound(cleared) => Empty 2
? kept(0) & " " & kept(1) & " " & TypeName(kept(2)) => 1 2 Empty
? Stmt("ReDim kept(1)") & " " & TypeName(kept(0)) => 0 Empty
? grown(1, 1) => 7
? Stmt("ReDim Preserve grown(2, 3)") => 9
? Stmt("ReDim fixed(5)") => 10
? UBound(g) + 1 & " " & UBound(Make()) + 1 => 2 3
? Stmt("Grow") & " " & UBound(dynamic) + 1 => 0 4
? (New Holder).Size() => 5
? Stmt("ReDim dynamic(-1)") & " " & UBound(dynamic) + 1 => 0 0
? Stmt("ReDim dynamic(1E9)") => 7
? beforeDim & " " & TypeName(late) & UBound(late) => Empty Variant()1
? LocalDim() & " " & LocalDim() => Empty Variant()1 Empty Variant()1
? DimInLoop() => 0,1,2
