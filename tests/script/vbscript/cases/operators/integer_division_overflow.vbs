' expect: 6 2147483647 32768 Long
Function Main()
    Dim x, r
    On Error Resume Next
    x = -2147483648 \ -1
    r = Err.Number
    Err.Clear
    r = r & " " & (CLng(-2147483647) \ -1)
    x = CInt(-32768) \ -1
    Main = r & " " & x & " " & TypeName(x)
End Function
