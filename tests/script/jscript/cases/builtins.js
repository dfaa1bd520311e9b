// JScript's own built-ins: the engine functions, VBArray, Enumerator over
// arrays, VBArrays and automation collections, typeof as JScript answers it
// for automation objects, and assignment to a parameterised property. A name
// an automation object lacks raises 438 where it is read; a method read off
// its object calls it on that object.
var a = new VBArray([10, 20, 30]);
var d = new ActiveXObject('Scripting.Dictionary');
d.Add('a', 1);
d.Add('b', 2);
function all(c) {
  var out = [];
  for (var e = new Enumerator(c); !e.atEnd(); e.moveNext())
    out.push(e.item());
  return out.join();
}
function putItem() {
  var e = new ActiveXObject('Scripting.Dictionary');
  e.Item('x') = 1 +
    2;
  e.Item('y') = e.Item('x') * 2
  e.Item('z') = 'z'; return e.Item('x') + ',' + e.Item('y') + ',' + e.Item('z');
}
function putKey() {
  var e = new ActiveXObject('Scripting.Dictionary');
  e.Add('k', 1);
  e.Key('k') = 'm';
  return e.Exists('m') + ' ' + e.Exists('k');
}
function putInside() {
  var e = new ActiveXObject('Scripting.Dictionary');
  if (true) e.Item('n') = 5; else e.Item('n') = 6;
  var f = function () { e.Item('m') = [1, 2].length; };
  f();
  return e.Item('n') + e.Item('m');
}
function untouched() {
  // e.Item('q') = 1 stays a comment, and so do strings and literals:
  var s = "e.Item('q') = 1", r = /e.Item\('q'\) = 1/, t = `${s} = 2`;
  return s.length + ' ' + r.source.length + ' ' + t;
}
function folderNames() {
  var fso = new ActiveXObject('Scripting.FileSystemObject');
  var path = fso.BuildPath('/tmp', fso.GetTempName());
  fso.CreateFolder(path);
  fso.CreateTextFile(fso.BuildPath(path, 'b.txt')).Close();
  fso.CreateTextFile(fso.BuildPath(path, 'a.txt')).Close();
  fso.CreateFolder(fso.BuildPath(path, 'sub'));
  var names = [];
  for (var e = new Enumerator(fso.GetFolder(path).Files); !e.atEnd(); e.moveNext())
    names.push(e.item().Name);
  var folders = new Enumerator(fso.GetFolder(path).SubFolders).item().Name;
  fso.DeleteFolder(path, true);
  return names.sort().join() + ' ' + folders;
}
function fieldValues() {
  var c = new ActiveXObject('ADODB.Connection');
  c.Open('Data Source=:memory:');
  var rs = c.Execute('SELECT 1 AS a, 2 AS b'), out = [];
  for (var e = new Enumerator(rs.Fields); !e.atEnd(); e.moveNext())
    out.push(e.item().Name + '=' + e.item().Value);
  return out.join();
}
? ScriptEngine() => JScript
? ScriptEngineMajorVersion() => 5
? ScriptEngineMinorVersion() => 8
? typeof ScriptEngineBuildVersion() => number
? ScriptEngineBuildVersion() > 0 => true
? CollectGarbage() => undefined
? a.toArray().join('-') => 10-20-30
? a.toArray() instanceof Array => true
? a.ubound() => 2
? a.ubound(1) => 2
? a.lbound() => 0
? a.getItem(1) => 20
? a.dimensions() => 1
? typeof a => object
? a.getItem(3) => err9
? a.getItem(-1) => err9
? a.ubound(2) => err9
? new VBArray('x') => err5013
? VBArray.prototype.toArray.call([1]) => err5013
? new VBArray(a).getItem(0) => 10
? new VBArray([]).ubound() => -1
? new VBArray(d.Keys()).toArray().join() => a,b
? new VBArray(d.Items()).ubound() => 1
? all([1, 2, 3]) => 1,2,3
? all(d) => a,b
? all(d.Keys()) => a,b
? all(d.Items()) => 1,2
? all(a) => 10,20,30
? all() =>
? folderNames() => a.txt,b.txt sub
? fieldValues() => a=1,b=2
? new Enumerator([]).atEnd() => true
? new Enumerator([5]).item() => 5
? (function () { var e = new Enumerator([1, 2]); e.moveNext(); e.moveNext(); return e.item(); })() => undefined
? (function () { var e = new Enumerator([1, 2]); e.moveNext(); e.moveFirst(); return e.item(); })() => 1
? new Enumerator({}) => err438
? Enumerator.prototype.item.call({}) => err5015
? typeof d => object
? typeof d == 'object' => true
? typeof (d) => object
? typeof d.Count => number
? typeof typeof d => string
? typeof notDeclaredAnywhere => undefined
? typeof Math.max => function
? typeof 'x' => string
? typeof new Date().getVarDate() => date
? typeof null => object
? putItem() => 3,6,z
? putKey() => true false
? putInside() => 7
? untouched() => 15 17 e.Item('q') = 1 = 2
? d.Item('a') => 1
? (function () { try { if (d.Unknwn) return 'taken'; } catch (e) { return (e.number & 0xFFFF) + ' ' + e.description; } })() => 438 Object doesn't support this property or method
? new ActiveXObject('ADODB.Connection').unknwn => err438
? d.Unknwn() => err438
? (function () { var e = new ActiveXObject('Scripting.Dictionary'), add = e.Add, has = e.Exists; add('x', 1); return has('x') + ' ' + d.Exists('x'); })() => true false
? (function () { var e = new ActiveXObject('Scripting.Dictionary'); e.Exists; try { e.Exists = 1; } catch (x) { return x.number & 0xFFFF; } })() => 438
