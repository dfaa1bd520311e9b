' Searches for long needles are linear in the text: a search that compared
' the needle afresh at every position would take minutes on these rows and
' stop at the 2 s limit with 18.
' time-limit: 2000
Dim hay, needle, upper
hay = String(300000, "a")
needle = String(150000, "a") & "b"
upper = String(150000, "A")
? InStr(hay, needle) => 0
? InStr(1, hay, needle, vbTextCompare) => 0
? InStr(hay & "b", needle) => 150001
? InStr(1, hay & "B", needle, vbTextCompare) => 150001
? InStrRev(hay, "b" & needle) => 0
? InStrRev("b" & hay, "B" & upper, -1, vbTextCompare) => 1
? InStrRev(hay & "b" & hay, needle) => 150001
? Len(Replace(hay, needle, "x")) => 300000
? Replace(hay & "b", upper & "B", "x", 1, -1, vbTextCompare) = String(150000, "a") & "x" => True
? UBound(Split(hay, needle)) => 0
? UBound(Split(hay & "b" & hay & "b", needle)) => 2
? UBound(Filter(Array(hay, hay & "b", "b"), needle)) => 0
? StrComp(hay & "a", hay & "B", vbTextCompare) => -1
