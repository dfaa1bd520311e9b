' expect: b
Function Main()
Select Case "y"
Case "x": Main = "a"
Case "y": Main = "b"
Case Else: Main = "c"
End Select
End Function
