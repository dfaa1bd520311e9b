' RegExp as documented, as an expression table: RE(pattern, global,
' ignoreCase) makes one; M(...) lists the matches as count:value@index/length[submatches].
' uses: table.inc
Function RE(pattern, isGlobal, ignoreCase)
  Set RE = New RegExp
  RE.Pattern = pattern
  RE.Global = isGlobal
  RE.IgnoreCase = ignoreCase
End Function
Function M(pattern, isGlobal, ignoreCase, text)
  Dim ms, one, s, k, parts
  Set ms = RE(pattern, isGlobal, ignoreCase).Execute(text)
  s = ms.Count & ":"
  For Each one In ms
    parts = ""
    For Each k In one.SubMatches
      parts = parts & "," & k
    Next
    If parts <> "" Then parts = "[" & Mid(parts, 2) & "]"
    s = s & one.Value & "@" & one.FirstIndex & "/" & one.Length & parts & " "
  Next
  M = RTrim(s)
End Function
Function MultiLine(pattern)
  Set MultiLine = RE(pattern, 1, 0)
  MultiLine.Multiline = True
End Function
? RE("a+", 0, 0).Test(" aabaaa") => True
? M("a+", 0, 0, " aabaaa") => 1:aa@1/2
? M("a+", 1, 0, " aabaaa") => 2:aa@1/2 aaa@4/3
? M("(a|b)+|(c)", 0, 0, "aa") => 1:aa@0/2[a,]
? VarType(RE("(a|b)+|(c)", 0, 0).Execute("aa")(0).SubMatches(1)) => 0
? M("\[([^\[]+)\]", 1, 0, " [test]  ") => 1:[test]@1/6[test]
? M("Ab", 1, 1, "abcaBc") => 2:ab@0/2 aB@3/2
? M("a+b", 1, 0, "aaabcabc") => 2:aaab@0/4 ab@5/2
? M("\\", 1, 0, "aaa\\cabc") => 2:\@3/1 \@4/1
? M("(a)(b)cabc", 1, 0, "abcabc") => 1:abcabc@0/6[a,b]
? M("^[^<]*(<(.|\s)+>)[^>]*$|^#(\w+)$", 0, 0, String(120, "x")) => 0:
? M("", 0, 0, "test") => 1:@0/0
? M("", 1, 0, "test") => 5:@0/0 @1/0 @2/0 @3/0 @4/0
? RE("", 0, 0).Test("test") => True
? RE("xxx", 1, 0).Replace("xxxx", "y") => yx
? RE("\[([^\[]+)\]", 1, 0).Replace("- [test] -", "success") => - success -
? RE("(\&(\d))", 1, 0).Replace("abc &1 123", "$'") => abc  123 123
? RE("(\&(\d))", 1, 0).Replace("abc &1 123", "$`") => abc abc  123
? RE("(\&(\d))", 1, 0).Replace("abc &1 123", "$3") => abc $3 123
? RE("\[([^\[]+)\]", 1, 0).Replace("- [test] -", True) => - -1 -
? RE("\[([^\[]+)\]", 1, 0).Replace("- [test] -", 6) => - 6 -
? RE("(\$(\d))", 1, 0).Replace("$1,$2", "$$1-$1$2") => $1-$11,$1-$22
? RE("b", 1, 0).Replace("abc", "x$&z") => axbzc
? RE("\[([^\[]+)\]", 0, 0).Replace("[test] [test]", "aa") => aa [test]
? RE("", 0, 0).Replace("xxx", "y") => yxxx
? RE("", 1, 0).Replace("xxx", "y") => yxyxyxy
? TypeName(New RegExp) & (New RegExp).Pattern & (New RegExp).IgnoreCase & (New RegExp).Global & (New RegExp).Multiline => IRegExp2FalseFalseFalse
? VarType(RE("a", 0, 0).Execute("a").Count) => 3
' Beyond the documentation: anchors and multiline, errors in patterns and
' members, Unicode, backreferences, re-compiling after the pattern changes.
Set changed = RE("a", 0, 0)
? RE("^\d+$", 0, 0).Test("12a45") & " " & RE("abc", 0, 0).Test("ABC") => False False
? RE("a$", 0, 0).Test("a" & vbLf) => False
? RE("^\w", 1, 0).Execute("ab" & vbLf & "cd").Count => 1
? MultiLine("^\w").Execute("ab" & vbCrLf & "cd" & vbLf & "ef").Count => 3
? RE("\u00e9", 0, 0).Test("caf" & ChrW(233)) & RE(ChrW(1046), 0, 1).Test(ChrW(1078)) => TrueTrue
? M("(\w)\1", 0, 0, "abccd") => 1:cc@2/2[c]
? M("(\w+)@(\w+)\.com", 0, 0, "mail joe@site.com now") => 1:joe@site.com@5/12[joe,site]
? RE("(\w+)@(\w+)", 0, 0).Execute("joe@site")(0).SubMatches.Count => 2
? M("z", 1, 0, "abc") => 0:
? RE("\d+", 0, 0).Execute("ab 42")(0) & "" => 42
? RE("a", 0, 0).Execute("a")(1) => err5
? RE("a*", 1, 0).Replace("baa", "-") => -b--
? RE("*a", 0, 0).Test("abc") => err5018
? RE("[abc", 0, 0).Test("abc") => err5019
? RE("(abc", 0, 0).Test("abc") => err5020
? RE("(a+)+$", 0, 0).Test(String(40, "a") & "b") => err28
? (New RegExp).Frobnicate => err438
? changed.Test("b") => False
? Stmt("changed.Pattern = ""b""") & changed.Test("b") => 0True
