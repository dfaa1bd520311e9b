' expect: 3
Function Main()
  Dim a  a = 3
  Main = aEnd Function
