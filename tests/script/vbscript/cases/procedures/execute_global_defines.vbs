' expect: hi
ExecuteGlobal "Function G() : G = ""hi"" : End Function"
Function Main()
Main = G()
End Function
