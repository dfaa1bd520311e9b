' expect: 5
Class C
  Private items()
  Function Size()
    ReDim items(4)
    Size = UBound(items) + 1
  End Function
End Class
Function Main()
Main = (New C).Size()
End Function
