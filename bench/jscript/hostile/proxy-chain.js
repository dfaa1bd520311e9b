function Main() { var p = {x: 1}; for (var i = 0; i < 100000; i++) p = new Proxy(p, {}); return p.x; }
