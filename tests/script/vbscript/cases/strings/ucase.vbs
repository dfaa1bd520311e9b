' expect: STRAßE É
Function Main()
    Main = UCase("straße é")
End Function
