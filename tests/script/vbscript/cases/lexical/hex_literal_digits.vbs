' expect: 1031 1023 1023 1025
' Too many digits is an invalid number; '&H' without a hex digit is the '&'
' operator (then an expression is missing); a letter after the digits ends the number.
Function Main()
    Dim r
    On Error Resume Next
    Execute "x = &H100000000"
    r = Err.Number
    Err.Clear
    Execute "x = &H"
    r = r & " " & Err.Number
    Err.Clear
    Execute "x = &HG"
    r = r & " " & Err.Number
    Err.Clear
    Execute "x = &HFG"
    Main = r & " " & Err.Number
End Function
