const t = Date.now(); let s = "";
for (let i = 1; i <= 1000000; i++) s = s + "x";
console.log(Date.now() - t + (s.length > 0 ? 0 : 1));
