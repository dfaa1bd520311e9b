// A run stopped by the time-out names the line it was on: the line of the
// block or statement it last began, in every shape of loop and call.
// case: for loop in Main
// time-limit: 200
// expect-error: 18
// expect-line: 10
function Main() {
  var n = 0;
  for (var i = 0; ; i++) {
    n += i;
  }
}
// case: while loop in the global code
// time-limit: 200
// expect-error: 18
// expect-line: 19
var n = 0;
while (n >= 0) {
  n++;
}
// case: do loop
// time-limit: 200
// expect-error: 18
// expect-line: 28
function Main() {
  var n = 0;
  do {
    n++;
  } while (n > 0);
}
// case: for-in loop
// time-limit: 200
// expect-error: 18
// expect-line: 39
function Main() {
  var o = {a: 1, b: 2, c: 3}, n = 0;
  while (true)
    for (var k in o) {
      n += o[k];
    }
}
// case: recursion
// time-limit: 200
// expect-error: 18
// expect-line: 46
function f(n) { return n < 1 ? 1 : f(n - 1) + f(n - 1); }
function Main() {
  var x = 1;
  return f(40);
}
// case: loop in a function Main calls
// time-limit: 200
// expect-error: 18
// expect-line: 58
function count(n) {
  var t = 0;
  while (t >= 0) {
    t += n;
  }
  return t;
}
function Main() {
  var x = 1;
  return count(x);
}
// case: long built-in call
// time-limit: 100
// expect-error: 18
// expect-line: 72
function Main() {
  var x = 1;
  var s = 'x'.repeat(20000000).replace(/x/g, 'yy');
  return s.length;
}
// case: host object called in a loop
// time-limit: 200
// expect-error: 18
// expect-line: 84
function Main() {
  var fso = new ActiveXObject('Scripting.FileSystemObject');
  var n = 0;
  for (;;) {
    n++;
    fso.FileExists('/no/such/file');
  }
}
// case: nested function expression and a small helper
// time-limit: 200
// expect-error: 18
// expect-line: 95
function add(a, b) { return a + b; }
function Main() {
  var run = function () {
    var t = 0;
    while (true) { t = add(t, 1); }
  };
  run();
}
// case: loop behind a try, throwing and catching
// time-limit: 200
// expect-error: 18
// expect-line: 105
function Main() {
  try {
    for (;;) { try { throw 1; } catch (e) { } }
  } catch (e) {
    return 'caught';
  }
}
