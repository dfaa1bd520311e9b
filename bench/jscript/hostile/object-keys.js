function Main() { var o = {}; for (var i = 0; i < 1e7; i++) o["k" + i] = i; return Object.keys(o).length; }
