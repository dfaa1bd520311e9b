function Main() { var a = [1]; a.push(a); return a; }
