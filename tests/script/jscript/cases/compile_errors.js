// JScript's compile error numbers, reported at the line of the fault.
// case: unterminated string constant
// expect-compile-error: 1015
// expect-line: 6
var a = 1;
var s = 'no end;
// case: unterminated comment
// expect-compile-error: 1016
// expect-line: 10
/* the comment
   goes on
// case: expected closing parenthesis
// expect-compile-error: 1006
var b = 2;
foo(b
// case: expected closing bracket
// expect-compile-error: 1007
var c = [1, 2
// case: expected closing brace
// expect-compile-error: 1009
function f() {
  var x = 1;
// case: expected identifier
// expect-compile-error: 1010
// expect-line: 26
var = 3;
// case: return outside a function
// expect-compile-error: 1018
// expect-line: 30
return 5;
// case: break outside a loop
// expect-compile-error: 1019
// expect-line: 34
break;
// case: continue outside a loop
// expect-compile-error: 1020
// expect-line: 38
continue;
// case: syntax error
// expect-compile-error: 1002
// expect-line: 42
var d = a ? b;
// case: unterminated regular expression
// expect-compile-error: 1012
// expect-line: 46
var r = /abc;

