// A run stopped by the time-out names the loop body or calling statement it was on.
// time-limit: 200
// expect-error: 18
// case: for loop
// expect-line: 8
function Main() { var n = 0;
  for (var i = 0; ; i++) {
    n += i; } }
// case: while loop in the global code
// expect-line: 13
var n = 0;
while (n >= 0) {
  n++; }
// case: do loop
// expect-line: 18
function Main() { var n = 0;
  do {
    n++; } while (n > 0); }
// case: for-in loop
// expect-line: 24
function Main() {
  var o = {a: 1, b: 2}, n = 0;
  while (true) for (var k in o) {
    n += o[k]; } }
// case: recursion
// expect-line: 28
function f(n) {
  return n < 1 ? 1 : f(n - 1) + f(n - 1); }
function Main() { return f(40); }
// case: loop in a function that Main calls
// expect-line: 34
function count(n) { var t = 0;
  while (t >= 0) {
    t += n; } }
function Main() {
  return count(1); }
// case: long built-in call
// expect-line: 40
function Main() { var x = 1;
  return 'x'.repeat(20000000).replace(/x/g, 'yy'); }
// case: host object called in a loop
// expect-line: 45
function Main() { var fso = new ActiveXObject('Scripting.FileSystemObject'), n = 0;
  for (;;) { n++;
    fso.FileExists('/no/such/file'); } }
// case: loop in a function expression, calling a helper that calls nothing
// expect-line: 50
function add(a, b) { return a + b; }
function Main() { var run = function () { var t = 0;
    while (true) { t = add(t, 1); } };
  run(); }
// case: loop behind a try, throwing and catching
// expect-line: 55
function Main() { try {
    for (;;) { try { throw 1; } catch (e) { } }
  } catch (e) { return 'caught'; } }
// case: call in a switch case
// expect-line: 60
function Main() { for (var i = 0; ; i++) switch (i % 2) {
    case 0: 'x'.repeat(20000000).replace(/x/g, 'yy'); } }
