function Main() { var s = "x".repeat(1e7), a = []; for (var i = 0; i < 100; i++) a.push(s); return JSON.stringify(a).length; }
