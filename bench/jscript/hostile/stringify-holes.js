function Main() { var a = []; a.length = 1e7; return JSON.stringify([a, a, a, a, a, a, a, a, a, a]).length; }
