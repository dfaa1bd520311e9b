' expect: -1
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    Main = UBound(d.Keys)
End Function
