function Main() { var a = []; a.length = 4294967295; return a; }
