' expect: True False
Class C
End Class
Function Main()
Main = IsObject(New C) & " " & IsObject(1)
End Function
