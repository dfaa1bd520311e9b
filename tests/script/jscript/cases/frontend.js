// JScript as authors write it reaches the engine meaning what it meant: a
// slash starts a regular expression or divides by what comes before it, and
// strings, comments and line ends keep their text and their lines.
// (A misread shows where the literal holds a quote or a bracket, or the
// division is followed by one.)
function afterIf(s) { var n = 0; if (s) /'(b+)/.test(s) && n++; return n; }
function afterWhile(s) { var n = 0; while (n < 2) /["\]]/.test(s) ? n += 5 : n++; return n; }
function afterFor(s) { var n = 0; for (var i = 0; i < 2; i++) /'/.test(s) && n++; return n; }
function afterWith(s) { var n = 0; with (Math) /'/.test(s) && n++; return n; }
function afterBlock(s) { var n = 0; if (s) {} /'/.test(s) && n++; return n; }
function afterElse(s) { var n = 0; if (!s) n = 5; else /'/.test(s) && n++; return n; }
function afterReturn(s) { return /'/.test(s); }
function afterCase(k) { switch (k) { case /'/.test(k) ? k : 0: return 'q'; } return '-'; }
function postfix(x) { var y = x++ / 2 + '/' + x; return y; }
function postfixDown(x) { var y = x-- / 2 + '/' + x; return y; }
function objectThenDivide() { return {a: 8}.a / 2 + '/'; }
function indexThenDivide() { return [8][0] / 2 + '/'; }
function groupThenDivide(a) { return (a + 2) / 2 + '/'; }
function fnThenDivide() { var v = function () { return 9; }() / 3 + '/'; return v; }
? afterIf("a'bb") => 1
? afterIf('') => 0
? afterWhile(String.fromCharCode(34)) => 5
? afterWhile('abc') => 2
? afterFor("'") => 2
? afterWith("'") => 1
? afterBlock("'") => 1
? afterElse("'") => 1
? afterReturn("'") => true
? afterCase("'") => q
? postfix(4) => 2/5
? postfixDown(6) => 3/5
? objectThenDivide() => 4/
? indexThenDivide() => 4/
? groupThenDivide(6) => 4/
? fnThenDivide() => 3/
? typeof /x/ => object
? 'a/b/c'.split(/\//).length => 3
? /[/]/.test('/') => true
// Text that looks like something else stays what it is.
? 'a@b /*@ x @*/ //@ y' => a@b /*@ x @*/ //@ y
? "/* not a comment */".length => 19
? '// nor this'.length => 11
? /@cc_on/.source => @cc_on
? 'a\u0041\x42' => aAB
var joined = 'line \
two';
? joined => line two
// Names as authors spell them.
var größe = 3, π = 2, \u0061b = 4;
? größe * π => 6
? ab => 4
// The rewritten forms inside other expressions.
function box() { var d = new ActiveXObject('Scripting.Dictionary'); d.Add('a', 1); return d; }
function nested() { var d = box(), x; x = (d.Item('a') = 5) + 1; return x + ':' + d.Item('a'); }
function inCall() { var d = box(); String(d.Item('a') = 7); return d.Item('a'); }
function inCondition() { var d = box(); if (d.Item('a') = 0) return 'yes'; return 'no:' + d.Item('a'); }
function inTernary(f) { var d = box(); f ? d.Item('a') = 2 : d.Item('a') = 3; return d.Item('a'); }
function chained() { var d = box(), e = box(); d.Item('a') = e.Item('a') = 9; return d.Item('a') + e.Item('a'); }
function inLoopHead() { var d = box(); for (d.Item('a') = 0; d.Item('a') < 3; d.Item('a') = d.Item('a') + 1) {} return d.Item('a'); }
? nested() => 6:5
? inCall() => 7
? inCondition() => no:0
? inTernary(true) => 2
? inTernary(false) => 3
? chained() => 18
? inLoopHead() => 3
// case: a regular expression after an if head in the global code
// expect: 1
var hits = 0;
if (hits == 0) /'/.test("'") && hits++;
function Main() { return hits; }
// case: statements without semicolons, over lines and in every block keep their meaning
// expect: 1,2,3,4,5,6,7,8,9,9,10,11,12,13,14,15,16,17,18,19|3-4|x16y
var log = []
function push(x) { log.push(x); return x }
var o = {
  a: push(1),
  b: function () { return push(2) }
}
o.b()
var chain = [3, 4]
  .map(function (x) { return push(x) })
  .join('-')
if (log.length) push(5)
else push(-1)
do push(6)
while (false)
var f = function () {
  return push(7)
}
f()
;(function () { push(8) })()
var i = 0
for (;;) {
  if (i++ > 1) break
  push(9)
}
lbl: {
  push(10)
  break lbl
}
switch (push(11)) {
  case 11:
    push(12)
  default:
    push(13)
}
try { push(14) } finally { push(15) }
var t = `x${push(16)}y`
var g = x => { return push(x) }
g(17)
var h = { m() { return push(18) } }
h.m()
var k = i > 0 ? push(19) : push(-2)
function Main() {
  return log.join() + '|' + chain + '|' + t
}
