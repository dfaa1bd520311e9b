' expect: 6
FUNCTION Main()
  DIM x : X = 5
  main = x + 1
END FUNCTION
