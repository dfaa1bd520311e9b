' expect: 1234 custom mine
Function Main()
On Error Resume Next
Err.Raise 1234, "mine", "custom"
Main = Err.Number & " " & Err.Description & " " & Err.Source
End Function
