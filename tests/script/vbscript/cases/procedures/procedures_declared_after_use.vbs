' expect: ok
Function Main()
Main = Later()
End Function
Function Later()
  Later = "ok"
End Function
