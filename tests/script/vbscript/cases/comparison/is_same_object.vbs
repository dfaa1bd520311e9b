' expect: True False
Class C
End Class
Function Main()
Dim a, b, c
Set a = New C: Set b = a: Set c = New C
Main = (a Is b) & " " & (a Is c)
End Function
