const t = Date.now(); let x = 0;
for (let i = 1; i <= 1000000; i++) x = (x + i * 3) % 1000003;
console.log(Date.now() - t);
