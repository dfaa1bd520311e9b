// Conditional compilation: @cc_on, /*@ ... @*/, //@, @if/@elif/@else/@end,
// @set and the predefined variables.
/*@cc_on @*/
/*@if (@_jscript_version >= 5)
var which = 'five or later';
@else @*/
var which = 'older';
/*@end @*/
//@ var lineForm = 'on';
@set @mine = 3
@set @flag = @mine > 2 && !(@mine == 4)
@if (@mine == 1)
  var branch = 'one';
@elif (@mine == 3)
  var branch = 'three';
  @if (@flag)
    var inner = 'yes';
  @else
    var inner = 'no';
  @end
@else
  var branch = 'other';
  var onlyOther = 1;
@end
@set @hex = 0x10 | 1
@set @shift = 1 << 4
@set @neg = -@mine
var fromComment = 0 /*@ + 5 @*/;
? @_jscript => true
? @_jscript_version => 5.8
? @_jscript_build == ScriptEngineBuildVersion() => true
? @_win32 => true
? isNaN(@_mac) => true
? isNaN(@_win16) => true
? isNaN(@notSet) => true
? which => five or later
? lineForm => on
? @mine => 3
? @mine * 2 + 1 => 7
? @flag => true
? branch => three
? inner => yes
? typeof onlyOther => undefined
? @hex => 17
? @shift => 16
? @neg => -3
? fromComment => 5
// case: code left out keeps the lines of what follows
// expect-error: 5009
// expect-line: 56
@if (false)
  one line
  and another that would not compile (
@end
function Main() {
  return missing;
}
// case: an @if without @end
// expect-compile-error: 1029
@if (true)
  var x = 1;
// case: @set without @ before the name
// expect-compile-error: 1032
// expect-line: 65
@set name = 1
// case: @if without a parenthesised condition
// expect-compile-error: 1005
// expect-line: 69
@if true
@end
// case: @end without @if
// expect-compile-error: 1002
// expect-line: 74
@end
// case: texts that strain the front end end with an error
? eval('@if (' + Array(1000).join('!') + 'true) 1; @end') => err28
? eval('@if (' + Array(1000).join('(') + 'true' + Array(1000).join(')') + ') 1; @end') => err28
? eval(Array(10001).join('f()=') + '1') => err28
? eval(Array(3001).join('typeof ') + 'x') => string
? eval(Array(10001).join('a.b(1)=') + '1') => err28
? eval(Array(100001).join('"s" + ') + '"t"') => err28
