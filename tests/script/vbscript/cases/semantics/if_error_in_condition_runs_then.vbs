' expect: ran
Function Main()
On Error Resume Next
If CLng("x") Then Main = "ran"
End Function
