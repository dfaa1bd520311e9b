' expect: 7
Function Seven(): Seven = 7: End Function
Sub Nothing1(): End Sub
Function Main()
Nothing1
Main = Seven()
End Function
