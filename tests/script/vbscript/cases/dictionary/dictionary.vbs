' Scripting.Dictionary: keys kept in insertion order, compare modes, keys made by
' reading or assigning an item, renaming and removing keys, and their errors.
' uses: table.inc
' A dictionary in compare mode `mode` (left at its default when 0) holding the
' comma-separated keys of `list`, each with its position (1, 2, ...) as item.
Function Dict(mode, list)
    Dim d, k
    Set d = CreateObject("Scripting.Dictionary")
    If mode Then d.CompareMode = mode
    For Each k In Split(list, ",")
        d.Add k, d.Count + 1
    Next
    Set Dict = d
End Function
Function KeysAndItems(d)
    Dim k
    For Each k In d
        KeysAndItems = KeysAndItems & k & d(k)
    Next
End Function
Dim d, t, n
Set d = Dict(0, "b,a,c")
Set t = Dict(vbTextCompare, "a")
Set n = Dict(0, "")
? TypeName(d) & " " & d.CompareMode => Dictionary 0
? d.Item("a") + d("b") & " " & d.Count => 3 3
? Join(d.Keys, ",") & " " & Join(d.Items, ",") & " " & KeysAndItems(d) => b,a,c 1,2,3 b1a2c3
? d.Exists("a") & d.Exists("z") & d.Exists("A") => TrueFalseFalse
? t.Exists("A") & t("A") => True1
? Stmt("t.Add ""A"", 2") => 457
? Stmt("d.Add ""a"", 9") => 457
? Stmt("d.CompareMode = 1") => 5
? d.Frobnicate => err438
? Stmt("d.Key(""a"") = ""b""") => 457
? Stmt("d.Key(""a"") = ""z""") & d.Exists("a") & d("z") => 0False2
? Stmt("d.Key(""q"") = ""r""") => 32811
? Stmt("d.Remove ""b""") & d.Count & Join(d.Keys, ",") => 02z,c
? Stmt("d.Remove ""b""") => 32811
? Stmt("d(""c"") = 7") & d.Count & d("c") => 027
? Stmt("d(""n"") = ""v""") & d.Count & d("n") => 03v
? IsEmpty(d("missing")) & d.Count & d.Exists("missing") => True4True
? Stmt("d.RemoveAll") & d.Count & UBound(d.Keys) & UBound(n.Keys) => 00-1-1
? Stmt("n.Add 1, ""one""") & n.Exists(CLng(1)) & n.Exists(1.0) & n.Exists("1") => 0TrueTrueFalse
? Stmt("n.Add ""in"", Dict(0, ""x"")") & n("in")("x") => 01
? Stmt("Set n(""o"") = Dict(0, """")") & TypeName(n("o")) => 0Dictionary
