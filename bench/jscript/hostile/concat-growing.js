function Main() { var s = "", c = "x".repeat(1e6); for (var i = 0; i < 100000; i++) s += c; return s.length; }
