' expect-error: 438
Function Main()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d.Frobnicate
End Function
