// A slash after ), } or ++ starts a regular expression or divides as the code
// before it says (a misread shows where a quote follows the slash).
function afterIf(s) { var n = 0; if (s) /'(b+)/.test(s) && n++; return n; }
function afterWhile(s) { var n = 0; while (n < 2) /["\]]/.test(s) ? n += 5 : n++; return n; }
function afterFor(s) { var n = 0; for (var i = 0; i < 2; i++) /'/.test(s) && n++; return n; }
function afterBlock(s) { var n = 0; if (s) {} /'/.test(s) && n++; return n; }
function postfix(x) { var y = x++ / 2 + '/' + x--; return y + x-- / 2 + '/'; }
function divided(a) { return {a: 8}.a / 2 + '/' + [8][0] / 2 + '/' + (a + 2) / 2 + '/'; }
? afterIf("a'bb") => 1
? afterWhile(String.fromCharCode(34)) => 5
? afterWhile('abc') => 2
? afterFor("'") => 2
? afterBlock("'") => 1
? postfix(4) => 2/52/
? divided(6) => 4/4/4/
// case: statements over lines, without semicolons, in every kind of block
// expect: 1,2,3,4,8,9,10,11,12|3-4
var log = []
function push(x) { log.push(x); return x }
var o = {
  a: push(1), b: function () { return push(2) }
}
o.b()
var chain = [3, 4]
  .map(function (x) { return push(x) })
  .join('-')
for (var i = 0; ;) {
  if (i++ > 1) break
  push(i < 2 ? 8 : 9)
}
switch (push(10)) {
  case 10:
    push(11)
  default:
    push(12)
}
function Main() { return log.join() + '|' + chain }
