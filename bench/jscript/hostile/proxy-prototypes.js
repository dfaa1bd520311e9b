function Main() { var o = {x: 1}; for (var i = 0; i < 100000; i++) o = Object.create(new Proxy(o, {})); return o.x; }
