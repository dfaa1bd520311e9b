function Main() { var a = []; for (var i = 0; i < 4e6; i++) a.push(Math.random()); a.sort(); return a.length; }
