' expect: done
Dim g
Sub Work(a)
  g = a
End Sub
Function Main()
Dim f: Set f = GetRef("Work")
f "done"
Main = g
End Function
