const s = "a".repeat(400000); const t = Date.now(); let n = 0;
for (let i = 0; i < s.length; i++) if (s.substr(i, 1) === "a") n++;
console.log(Date.now() - t + (n > 0 ? 0 : 1));
