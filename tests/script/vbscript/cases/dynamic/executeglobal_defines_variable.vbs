' expect: 4
Sub Setup()
  ExecuteGlobal "Dim shared: shared = 4"
End Sub
Function Main()
Setup
Main = Eval("shared")
End Function
