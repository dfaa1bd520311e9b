function Main() { var a = []; for (var i = 0; i < 100; i++) a.push(new Uint8Array(1e8)); return a.length; }
