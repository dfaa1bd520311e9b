// Without @cc_on, /*@ ... @*/ and //@ are comments, and a variable is an error.
/*@ var hidden = 1; @*/
//@ var hiddenToo = 1;
? typeof hidden => undefined
? typeof hiddenToo => undefined
// case: a variable before conditional compilation is on
// expect-compile-error: 1030
// expect-line: 9
var v = @_jscript;
