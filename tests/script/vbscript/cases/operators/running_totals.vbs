' Variables and loop counters that move between subtypes while a loop runs:
' negative Integers, Integer past 32767 into Long, Long past 2147483647 into
' Double, Empty and strings replaced by numbers, counters at the edges.
Function Typed(v)
    Typed = v & " " & TypeName(v)
End Function
Function Total(start, times, step)
    Dim k: Total = start
    For k = 1 To times
        Total = Total + step
    Next
End Function
' The counter after For k = first To last Step step.
Function Counter(first, last, step)
    Dim k
    For k = first To last Step step: Next
    Counter = Typed(k)
End Function
Function Replaced(v, x, y)
    Replaced = v: Replaced = x * y
End Function
Dim a, b, c, m, e, s, k
a = -5: b = 3: c = CLng(-70000): m = CLng(-2147483647) - 1
For k = 1 To 3: s = k * 20000: Next
? Typed(a + b) & ", " & Typed(a * b) & ", " & Typed(a - b) & ", " & Typed(a Mod b) & ", " & Typed(a \ b) => -2 Integer, -15 Integer, -8 Integer, -2 Integer, -1 Integer
? (a < b) & " " & (c < a) & " " & (a > c) & " " & (a = -5) & " " & Typed(c + a) & " " & Typed(c \ b) => True True True True -70005 Long -23333 Long
? Typed(Total(32760, 10, 1)) & ", " & Typed(Total(-32760, 10, -1)) & ", " & Typed(Total(2147483640, 10, 1)) => 32770 Long, -32770 Long, 2147483650 Double
? Typed(Total(e, 3, 2)) & ", " & Typed(Total("a", 0, 1)) & ", " & Typed(Total(1.5, 2, 1)) & ", " & Typed(Total(True, 1, 1)) => 6 Integer, a String, 3.5 Double, 0 Integer
? Typed(Total(CLng(-2147483647), 2, -1)) & ", " & Typed(Total(16384, 1, 16384)) & ", " & Typed(Total(-16384, 2, -8192)) => -2147483649 Double, 32768 Long, -32768 Integer
? Typed(Replaced("text", a, b)) & ", " & Typed(Replaced("text", c, 1)) & ", " & Typed(Replaced(Array(1), 300, 300)) => -15 Integer, -70000 Long, 90000 Long
? Typed(m) & ", " & Typed(m Mod -1) & ", " & Typed(m Mod 7) & ", " & Typed(m * 1) => -2147483648 Long, 0 Long, -2 Long, -2147483648 Long
? m \ -1 => err6
? Typed(m * -1) & ", " & Typed(m - 1) & ", " & Typed(-m) => 2147483648 Double, -2147483649 Double, 2147483648 Double
? Counter(32766, 32767, 1) & ", " & Counter(-32767, -32768, -1) & ", " & Counter(2147483646, 2147483647, 1) => 32768 Long, -32769 Long, 2147483648 Double
? Typed(s) & " " & Typed(k) => 60000 Long 4 Integer
