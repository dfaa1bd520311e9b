' expect: 1031 1031 1031 1025
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
