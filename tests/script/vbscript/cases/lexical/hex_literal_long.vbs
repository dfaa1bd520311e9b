' expect: 65536 Long 65535 Long -1 -2147483648
Function Main()
Main = &H10000 & " " & TypeName(&H10000) & " " & &HFFFF& & " " & TypeName(&HFFFF&) & " " & _
    &HFFFFFFFF & " " & &H80000000
End Function
