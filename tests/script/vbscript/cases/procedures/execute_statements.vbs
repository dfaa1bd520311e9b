' expect: 3
Function Main()
Dim a
Execute "a = 1" & Chr(13) & Chr(10) & "a = a + 2"
Main = a
End Function
