' expect: called
Dim g
Class C
  Public Default Sub Run()
    g = "called"
  End Sub
End Class
Function Main()
Dim c: Set c = New C
c
Main = g
End Function
