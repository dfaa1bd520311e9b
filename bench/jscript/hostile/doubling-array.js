function Main() { var x = [1]; for (var i = 0; i < 60; i++) x = [x, x]; return x; }
