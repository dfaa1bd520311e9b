// Error objects as JScript has them: new Error(number, description), number
// (facility 10, the JScript number in the low word, for the engine's own
// errors) and description, and the engine's errors with JScript's numbers
// and words once a catch has them. caught() gives "number description".
function caught(f) {
  try {
    f();
    return 'no error';
  } catch (e) {
    return (e.number & 0xFFFF) + ' ' + e.description;
  }
}
function raw(f) {
  try {
    f();
  } catch (e) {
    return e;
  }
}
? new Error(42, 'No question').number => 42
? new Error(42, 'No question').description => No question
? new Error(42, 'No question').message => No question
? new Error(42, 'No question').name => Error
? new Error(42, 'No question') instanceof Error => true
? new Error(42, 'No question').toString() => Error: No question
? new Error(7).number => 7
? new Error(7).description =>
? new Error().number => 0
? new Error().description =>
? new Error('text only').description => text only
? new Error('text only').message => text only
? Error(3, 'called as a function').description => called as a function
? new Error(-2146823279, 'x').number & 0xFFFF => 5009
? raw(function () { undefinedName; }).number => -2146823279
? raw(function () { undefinedName; }).number >> 16 & 0x1FFF => 10
? raw(function () { undefinedName; }).message => 'undefinedName' is undefined
? raw(function () { undefinedName; }).name => ReferenceError
? raw(function () { undefinedName; }) instanceof Error => true
? caught(function () { undefinedName + 1; }) => 5009 'undefinedName' is undefined
? caught(function () { var o = {}; o.missing(); }) => 438 Object doesn't support this property or method
? caught(function () { var n = 5; n(); }) => 5002 Function expected
? caught(function () { var u; u.x; }) => 5007 Object expected
? caught(function () { var u; u.x = 1; }) => 5007 Object expected
? caught(function () { var u; u.f(); }) => 5007 Object expected
? caught(function () { new Array(-1); }) => 5029 Array length must be zero or a positive integer
? caught(function () { [].length = -1; }) => 5029 Array length must be zero or a positive integer
? caught(function () { (1).toFixed(200); }) => 5026 The number of fractional digits is out of range
? caught(function () { (1).toPrecision(500); }) => 5027 The precision is out of range
? caught(function () { decodeURI('%'); }) => 5025 The URI to be decoded is not a valid encoding
? caught(function () { encodeURIComponent('\uD800'); }) => 5024 The URI to be encoded contains an invalid character
? caught(function () { new RegExp('(a'); }) => 5017 Syntax error in regular expression
? caught(function () { var c = {}; c.c = c; JSON.stringify(c); }) => 5034 Circular reference in value argument not supported
? caught(function () { Math.max(1) = 2; }) => 5003 Cannot assign to a function result
? caught(function () { throw new Error(1234, 'mine'); }) => 1234 mine
? caught(function () { eval('a b'); }) => 1004 Expected ';'
? caught(function () { eval('f(1'); }) => 1006 Expected ')'
? caught(function () { eval("var s = 'open"); }) => 1015 Unterminated string constant
? caught(function () { (1).toFixed(2); }) => no error
// case: an uncaught throw reports its number, description and line
// expect-error: 77
// expect-line: 64
function Main() {
  var x = 1;
  throw new Error(77, 'seventy-seven');
}
// case: an engine error in Main reports its line
// expect-error: 5009
// expect-line: 71
function Main() {
  var a = 1;
  return a + notDeclared;
}
// case: an error number with the facility is reported as the plain number
// expect-error: 5002
// expect-line: 76
function Main() { throw new Error(-2146823286, 'custom'); }
// case: an uncaught throw of a text reports the line of the throw
// expect-error: 5022
// expect-line: 83
function Main() {
  var e = 'not an error object';
  if (e)
    throw e
}
// case: a rethrown error reports the line that threw it last
// expect-error: 5009
// expect-line: 91
function Main() {
  try {
    return missing;
  } catch (e) { throw e; }
}
