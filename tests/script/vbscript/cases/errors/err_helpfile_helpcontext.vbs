' expect: file.chm 42
Function Main()
On Error Resume Next
Err.Raise 1000, "src", "desc", "file.chm", 42
Main = Err.HelpFile & " " & Err.HelpContext
End Function
