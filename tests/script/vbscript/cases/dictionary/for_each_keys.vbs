' expect: x1y2
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Add "x", 1
    d.Add "y", 2
    Dim k, s
    For Each k In d
        s = s & k & d(k)
    Next
    Main = s
End Function
