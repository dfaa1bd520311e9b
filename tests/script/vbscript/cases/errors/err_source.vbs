' expect: VBScript runtime error
Function Main()
On Error Resume Next
Dim a: a = 1 / 0
Main = Err.Source
End Function
