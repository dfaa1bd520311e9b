' expect-error: 32811
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Remove "nothing"
End Function
