' Currency at the ends of its range: text is read exactly, rounding half to
' even at the fourth decimal, and whatever would leave the range is 6.
Dim top, bottom
top = CCur("922337203685477.5807")
bottom = CCur("-922337203685477.5808")
? CStr(top) & " " & TypeName(top) => 922337203685477.5807 Currency
? bottom => -922337203685477.5808
? CCur("922337203685477.5808") => err6
? CCur("-922337203685477.5809") => err6
? CCur("922337203685477.58075") => err6
? CCur("922337203685477.58065") => 922337203685477.5806
? CCur("9.223372036854775807E14") => 922337203685477.5807
? CCur("1.00005") & " " & CCur("1.00015") & " " & CCur("-0.00005") & " " & CCur("0.000051") => 1 1.0002 0 0.0001
? CCur("1e400") => err13

' Arithmetic at the edges.
? top - CCur("0.0001") => 922337203685477.5806
? top + bottom => -0.0001
? top + CCur("0.0001") => err6
? bottom - CCur("0.0001") => err6
? -top => -922337203685477.5807
? -bottom => err6
? top * 1 => 922337203685477.5807
? bottom * -1 => err6
? top * CCur("0.5") => 461168601842738.7904
? top > CCur("922337203685477.5806") => True

' Functions that keep the Currency.
? Abs(bottom) => err6
? Abs(-top) => 922337203685477.5807
? Fix(top) & " " & Fix(bottom) => 922337203685477 -922337203685477
? Int(bottom) => err6
? Int(CCur("-1.5")) => -2
? Round(top, 2) => 922337203685477.58
? Round(top) => err6
? Round(CCur("2.5")) & " " & Round(CCur("-2.55"), 1) => 2 -2.6
? CLng(top) => err6
