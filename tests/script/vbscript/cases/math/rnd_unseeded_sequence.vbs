' expect: 0.7055475 0.533424 0.5795186
Function Main()
    Main = CStr(Rnd) & " " & CStr(Rnd) & " " & CStr(Rnd)
End Function
