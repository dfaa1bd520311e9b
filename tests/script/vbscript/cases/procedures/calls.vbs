' uses: table.inc
' Calls and arguments: which forms pass a variable by reference, results,
' omitted arguments, recursion, local state, and the errors of bad calls.
Dim glob
Function ByRefs()
  Dim a, b, c, d, e, f, h, k, m, r
  a = 1: b = 1: c = 1: d = 1: e = 1: f = 1: h = 1: k = 1: m = 1: glob = 1
  Call Inc((a))
  Inc (b)
  Inc c + 0
  IncVal d
  Call Inc(e)
  Inc f
  IncRef h
  Two (k), m
  r = IncF(glob)
  ByRefs = a & b & c & d & " " & e & f & h & " " & k & m & " " & glob & r
End Function
Sub Inc(x)
  x = x + 1
End Sub
Sub IncVal(ByVal x)
  x = x + 1
End Sub
Sub IncRef(ByRef x)
  x = x + 1
End Sub
Function IncF(x)
  x = x + 1
  IncF = 5
End Function
Sub Two(x, y)
  x = x + 1: y = y + 1
End Sub
Sub Sum(n, acc)
  If n = 0 Then Exit Sub
  acc = acc + n
  Sum n - 1, acc
End Sub
Function Summed()
  Dim t: t = 0
  Sum 4, t
  Summed = t
End Function
Function AsStatement()
  glob = 0
  IncF glob
  AsStatement = glob
End Function
Function Answer()
  Answer = 42
End Function
Function Fresh()
  Const K = 3
  Dim x
  x = x + K
  Fresh = x
End Function
Function FirstEmpty(a, b)
  FirstEmpty = IsEmpty(a)
End Function
Sub Nothing1()
End Sub
Function Depth(n)
  If n = 0 Then Depth = 0 Else Depth = Depth(n - 1) + 1
End Function
Function Fact(n)
  If n <= 1 Then
    Fact = 1
  Else
    Fact = n * Fact(n - 1)
  End If
End Function
Function Endless(n)
  Endless = Endless(n + 1)
End Function
' A result left unset is Empty whatever its register held; ByVal and literals copy.
Function Kept(a)
  If a > 2 Then Kept = a: If a = 9 Then a = 0
End Function
Function KeptVal(ByVal a)
  a = a - 1: If a > 1 Then KeptVal = a + 1
End Function
Function Unset()
  For i = 4 To 1 Step -1
    Unset = Unset & (Kept(i) + 1) & (KeptVal(i) + 1) & (Kept(9) + 1) & "|"
  Next
End Function
? Unset() => 5510|4410|1110|1110|
? ByRefs() => 1111 222 12 25
? Summed() => 10
? AsStatement() => 1
? Answer & Answer() => 4242
? Fresh() & " " & Fresh() => 3 3
? FirstEmpty(, 1) => False
? TypeName(Nothing1()) => Empty
? Fact(10) => 3628800
? Endless(0) => err28
? NoSuch(1) => err13
? Stmt("NoSuch 1") => 13
? Stmt("Inc 1, 2") => 450
' case: recursion depth
' A plain recursion goes at least 5000 calls deep before 28.
? Depth(5000) => 5000
