' A 16 MB budget: what would pass it raises 7 before anything is made, what
' fits works, and what is freed is given back.
' memory-limit: 16
Class Node
  Public nextNode
End Class

Function Built(what)
  Dim a, b, d, i, s, n, re
  Select Case what
  Case "doubling": s = "x": Do: s = s & s: Loop
  Case "appending": Do: s = s & String(5000, "x"): Loop
  Case "ReDim": ReDim a(2000000)
  Case "ReDim Preserve": ReDim a(500000): ReDim Preserve a(1500000)
  Case "arrays of arrays": ReDim a(100): For i = 0 To 100: ReDim b(50000): a(i) = b: Next
  Case "dictionary": Set d = CreateObject("Scripting.Dictionary"): For i = 1 To 1000000: d.Add i, i: Next
  Case "objects": Set b = Nothing: For i = 1 To 1000000: Set n = New Node: Set n.nextNode = b: Set b = n: Next
  Case "matches": Set re = New RegExp: re.Global = True: re.Pattern = " ": Set a = re.Execute(Space(400000))
  Case "recycled": For i = 1 To 100: s = Space(2000000): a = Split(Space(20000)): Next
  End Select
  Built = "done"
End Function

? Len(Space(10000000)) => err7
? Len(String(9000000, "x")) => err7
? Len(Replace(Space(1000000), " ", "0123456789")) => err7
? UBound(Split(Space(3000000))) => err7
? Len(Join(Split(Space(1000000)), String(10, "x"))) => err7
? Len(UCase(Space(3000000)) & Space(3000000)) => err7
? Len(Escape(Space(2000000))) => err7
? Built("doubling") => err7
? Built("appending") => err7
? Built("ReDim") => err7
? Built("ReDim Preserve") => err7
? Built("arrays of arrays") => err7
? Built("dictionary") => err7
? Built("objects") => err7
? Built("matches") => err7
? Execute(Replace(Space(1000000), " ", "x = 1 : ")) => err7

' Within the budget, and again and again once freed.
? Len(Space(3000000)) => 3000000
? UBound(Split(Space(100000))) => 100000
? Built("recycled") => done

' Out of memory is an ordinary error that the script may handle.
Function Handled()
  On Error Resume Next
  Dim s: s = Space(10000000)
  Handled = Err.Number & " " & IsEmpty(s)
End Function
? Handled() => 7 True
