function fib(n) { return n < 2 ? n : fib(n - 1) + fib(n - 2); }
const t = Date.now(); fib(27); console.log(Date.now() - t);
