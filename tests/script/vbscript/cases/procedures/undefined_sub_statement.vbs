' expect-error: 13
Function Main()
NoSuch 1
End Function
