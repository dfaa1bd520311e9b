// node cpu-node.js PROGRAM.js: the processor time the program took (user
// and system, ms), its own output discarded; for a loaded machine, beside
// vbsrun --cpu.
const path = require('path');
const log = console.log;
console.log = () => {};
const t = process.cpuUsage();
require(path.resolve(process.argv[2]));
const d = process.cpuUsage(t);
log(((d.user + d.system) / 1000).toFixed(1));
