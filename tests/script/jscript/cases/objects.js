// Members of automation objects as JScript has them, for an object of the
// VBScript engine's (a Dictionary) and a Qt one (a Recordset): a name the
// object lacks raises 438 where it is read, and a method read off its
// object calls it on that object later. caught() gives "number description".
var d = new ActiveXObject('Scripting.Dictionary');
d.Add('a', 1);
var cn = new ActiveXObject('ADODB.Connection');
cn.Open('Data Source=:memory:');
function rows() { return cn.Execute('SELECT 1 AS v UNION ALL SELECT 2 UNION ALL SELECT 3'); }
var rs = rows();
function caught(f) {
  try {
    return 'no error: ' + f();
  } catch (e) {
    return (e.number & 0xFFFF) + ' ' + e.description;
  }
}
function unknownIn(o) {
  return [caught(function () { if (o.Unknwn) return 'taken'; return 'not taken'; }),
          caught(function () { return o.Unknwn === undefined; }),
          caught(function () { return typeof o.unknwn; }),
          caught(function () { return o.Unknwn(1, 2); }),
          caught(function () { o.Unknwn = 1; })].join('|');
}
? unknownIn(d) => 438 Object doesn't support this property or method|438 Object doesn't support this property or method|438 Object doesn't support this property or method|438 Object doesn't support this property or method|438 Object doesn't support this property or method
? unknownIn(rs) => 438 Object doesn't support this property or method|438 Object doesn't support this property or method|438 Object doesn't support this property or method|438 Object doesn't support this property or method|438 Object doesn't support this property or method
? d.Unknwn => err438
? rs.Unknwn() => err438
? 'Unknwn' in d => false
? 'count' in d => true
? d.count + rs.fields('V').value => 2
? typeof rs.MoveNext => function
? (function () { var add = d.Add; add('b', 2); return d.Item('b'); })() => 2
? (function () { var r = rows(), next = r.MoveNext; next(); next(); return r.Fields('v').Value; })() => 3
? (function () { var r = rows(), s = rows(), next = r.MoveNext, skip = s.MoveNext; skip(); skip(); next(); return r.Fields('v').Value + ' ' + s.Fields('v').Value; })() => 2 3
? (function () { var r = rows(), f = r.Fields, fv = f('v'); r.MoveNext(); return fv.Value; })() => 2
? (function () { var e = new ActiveXObject('Scripting.Dictionary'), exists = e.Exists; e.Add('x', 1); return [exists('x'), exists.call(d, 'x'), d.Exists('x')].join(); })() => true,true,false
? caught(function () { var r = rows(); r.MoveNext = 1; }) => 438 Object doesn't support this property or method
? caught(function () { var r = rows(); r.MoveNext(); r.MoveNext = 1; }) => 438 Object doesn't support this property or method
