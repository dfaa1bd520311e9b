' expect: made
ExecuteGlobal "Class K: Public Function Hi(): Hi = ""made"": End Function: End Class"
Function Main()
Dim k: Set k = New K
Main = k.Hi()
End Function
