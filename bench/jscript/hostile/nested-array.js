function Main() { var a = []; for (var i = 0; i < 100000; i++) a = [a]; return a; }
