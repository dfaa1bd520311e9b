#include "jsbuiltins.h"

#include "jserrors.h"
#include "jspreprocess.h"

#include <QJSEngine>

namespace {

const char *const kDialectPrelude = R"JS(
(function (dialect, global, versions) {
    var HANDLE = '__automationHandle';
    var define = Object.defineProperty;
    var hasOwn = Object.prototype.hasOwnProperty;
    var slice = Array.prototype.slice;
    var NativeError = Error;
    var NativeDate = Date;
    var nativeParse = Date.parse;
    var construct = Reflect.construct;

    function own(obj, name, value) {
        define(obj, name, { value: value, writable: true, enumerable: false, configurable: true });
    }
    function isHost(v) {
        return typeof v === 'function' && !!v[HANDLE];
    }
    // An error of JScript's own numbering, of the kind `Kind`.
    function raise(Kind, number) {
        var t = dialect.numbered(number);
        var e = new Kind(t[1]);
        own(e, 'number', t[0]);
        own(e, 'description', t[1]);
        return e;
    }

    // Errors: number and description on every error object.
    define(NativeError.prototype, 'number', {
        get: function () { return dialect.translate(String(this.name), String(this.message))[0]; },
        set: function (v) { own(this, 'number', v); },
        configurable: true
    });
    define(NativeError.prototype, 'description', {
        get: function () {
            // An error that carries its own number says what it means itself.
            if (hasOwn.call(this, 'number'))
                return this.message;
            var t = dialect.translate(String(this.name), String(this.message));
            return t[0] ? t[1] : this.message;
        },
        set: function (v) { own(this, 'description', v); },
        configurable: true
    });
    function JScriptError(number, description) {
        var e;
        if (arguments.length >= 2) {
            e = new NativeError(description === undefined ? '' : String(description));
            own(e, 'number', Number(number));
        } else if (arguments.length === 1 && typeof number === 'number') {
            e = new NativeError('');
            own(e, 'number', number);
        } else {
            e = arguments.length ? new NativeError(number) : new NativeError();
            own(e, 'number', 0);
        }
        own(e, 'description', e.message);
        if (new.target && new.target !== JScriptError)
            Object.setPrototypeOf(e, new.target.prototype);
        return e;
    }
    JScriptError.prototype = NativeError.prototype;
    own(NativeError.prototype, 'constructor', JScriptError);
    own(global, 'Error', JScriptError);

    own(global, 'ScriptEngine', function ScriptEngine() { return 'JScript'; });
    own(global, 'ScriptEngineMajorVersion', function ScriptEngineMajorVersion() { return versions[0]; });
    own(global, 'ScriptEngineMinorVersion', function ScriptEngineMinorVersion() { return versions[1]; });
    own(global, 'ScriptEngineBuildVersion', function ScriptEngineBuildVersion() { return versions[2]; });
    // The engine collects on its own; a collection forced in the middle of a
    // call is not safe with automation handles on the stack.
    own(global, 'CollectGarbage', function CollectGarbage() {});

    // Errors the engine words without telling JScript's numbers apart.
    function renumber(proto, name, Kind, number) {
        var native = proto[name];
        own(proto, name, function () {
            try {
                return native.apply(this, arguments);
            } catch (e) {
                if (e instanceof Kind && !hasOwn.call(e, 'number'))
                    throw raise(Kind, number);
                throw e;
            }
        });
    }
    renumber(Number.prototype, 'toFixed', RangeError, 5026);
    renumber(Number.prototype, 'toPrecision', RangeError, 5027);
    renumber(Number.prototype, 'toExponential', RangeError, 5026);
    renumber(global, 'encodeURI', URIError, 5024);
    renumber(global, 'encodeURIComponent', URIError, 5024);

    // The helpers of the front end's rewriting (the host installs __vt_put,
    // the assignment to an object's parameterised property).
    own(global, '__vt_typeof', function (v) {
        if (isHost(v))
            return 'object';
        if (v !== null && typeof v === 'object' && typeof v.__vt_kind === 'string')
            return v.__vt_kind;
        return typeof v;
    });
    own(global, '__vt_throw', function (value, line, unit) {
        dialect.thrown(value, line, unit);
        return value;
    });
    own(global, '__vt_caught', function (e) {
        if (e instanceof NativeError && !hasOwn.call(e, 'number')) {
            var t = dialect.translate(String(e.name), String(e.message));
            if (t[0]) {
                own(e, 'number', t[0]);
                own(e, 'description', t[1]);
                e.message = t[1];
            }
        }
        return e;
    });

    // Code made at run time passes the same front end as the script's own.
    var boundedEval = global.eval;
    own(global, 'eval', function eval(code) {
        if (typeof code === 'string') {
            var t = dialect.frontEnd(code);
            if (!t[0]) {
                var e = new SyntaxError(t[2]);
                own(e, 'number', t[1]);
                own(e, 'description', t[2]);
                throw e;
            }
            code = t[1];
        }
        return boundedEval(code);
    });

    // VBArray: a safe array as the bridge hands it over (one dimension).
    function VBArray(array) {
        if (array instanceof VBArray)
            array = array._array;
        if (!Array.isArray(array))
            throw raise(TypeError, 5013);
        own(this, '_array', array);
    }
    function vbarray(self) {
        if (!(self instanceof VBArray))
            throw raise(TypeError, 5013);
        return self._array;
    }
    function dimension(d) {
        if (d !== undefined && Number(d) !== 1)
            throw raise(RangeError, 9);
    }
    own(VBArray.prototype, 'toArray', function () { return slice.call(vbarray(this)); });
    own(VBArray.prototype, 'lbound', function (d) { vbarray(this); dimension(d); return 0; });
    own(VBArray.prototype, 'ubound', function (d) { var a = vbarray(this); dimension(d); return a.length - 1; });
    own(VBArray.prototype, 'dimensions', function () { vbarray(this); return 1; });
    own(VBArray.prototype, 'getItem', function (i) {
        var a = vbarray(this);
        if (arguments.length > 1)
            throw raise(RangeError, 9);
        var k = Number(i);
        if (!(k >= 0 && k < a.length) || k !== Math.floor(k))
            throw raise(RangeError, 9);
        return a[k];
    });
    own(global, 'VBArray', VBArray);

    // Enumerator over an array, a VBArray or an automation collection.
    var HostEnumerator = global.Enumerator;
    function Enumerator(collection) {
        var items;
        if (collection === undefined || collection === null)
            items = [];
        else if (Array.isArray(collection))
            items = slice.call(collection);
        else if (collection instanceof VBArray)
            items = collection.toArray();
        else if (isHost(collection)) {
            items = [];
            for (var e = new HostEnumerator(collection); !e.atEnd(); e.moveNext())
                items.push(e.item());
        } else
            throw raise(TypeError, 438);
        own(this, '_items', items);
        own(this, '_index', 0);
    }
    function enumerator(self) {
        if (!(self instanceof Enumerator))
            throw raise(TypeError, 5015);
        return self;
    }
    own(Enumerator.prototype, 'atEnd', function () { var e = enumerator(this); return e._index >= e._items.length; });
    own(Enumerator.prototype, 'moveNext', function () { var e = enumerator(this); if (e._index < e._items.length) ++e._index; });
    own(Enumerator.prototype, 'moveFirst', function () { enumerator(this)._index = 0; });
    own(Enumerator.prototype, 'item', function () { var e = enumerator(this); return e._items[e._index]; });
    own(global, 'Enumerator', Enumerator);

    // Dates.
    var DAYS = ['Sun', 'Mon', 'Tue', 'Wed', 'Thu', 'Fri', 'Sat'];
    var MONTHS = ['Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec'];
    var MONTH_NAMES = ['january', 'february', 'march', 'april', 'may', 'june', 'july', 'august',
                       'september', 'october', 'november', 'december'];
    var DAY_NAMES = ['sunday', 'monday', 'tuesday', 'wednesday', 'thursday', 'friday', 'saturday'];
    var ZONES = { est: -300, edt: -240, cst: -360, cdt: -300, mst: -420, mdt: -360, pst: -480, pdt: -420,
                  utc: 0, gmt: 0, ut: 0, z: 0 };
    function pad(n) { return n < 10 ? '0' + n : String(n); }
    function time(h, m, s) { return pad(h) + ':' + pad(m) + ':' + pad(s); }
    function zone(d) {
        var offset = -d.getTimezoneOffset();
        if (offset === 0)
            return 'UTC';
        var a = Math.abs(offset);
        return 'UTC' + (offset < 0 ? '-' : '+') + pad(Math.floor(a / 60)) + pad(a % 60);
    }
    function year(y) { return y > 0 ? String(y) : (1 - y) + ' B.C.'; }
    // The last name that starts with `word` (two letters at least), or -1.
    function named(word, names) {
        var found = -1;
        if (word.length >= 2)
            for (var i = 0; i < names.length; ++i)
                if (names[i].lastIndexOf(word, 0) === 0)
                    found = i;
        return found;
    }
    function twoDigit(y) { return y < 100 ? 1900 + y : y; }
    // JScript's reading of a date text; NaN when it is none.
    function parse(text) {
        var plain = '', depth = 0, i;
        for (i = 0; i < text.length; ++i) {
            var c = text.charAt(i);
            if (c === '(')
                ++depth;
            else if (c === ')' && depth > 0)
                --depth;
            plain += depth > 0 || c === ')' ? ' ' : c;
        }
        var words = plain.toLowerCase().replace(/([ap])\.m\./g, '$1m').split(/[\s,]+/);
        var y, mo, d, h = 0, mi = 0, s = 0, meridiem, offset, m, n;
        for (i = 0; i < words.length; ++i) {
            var w = words[i];
            if (w === '')
                continue;
            if ((m = /^(\d+)[\/-](\d+)[\/-](\d+)$/.exec(w))) {
                if (mo !== undefined || d !== undefined || y !== undefined)
                    return NaN;
                mo = Number(m[1]) - 1; d = Number(m[2]); y = twoDigit(Number(m[3]));
            } else if ((m = /^(\d+):(\d*)(?::(\d*))?(?:\.\d*)?(am|pm)?$/.exec(w))) {
                h = Number(m[1]); mi = Number(m[2] || 0); s = Number(m[3] || 0);
                if (m[4])
                    meridiem = m[4];
            } else if (w === 'am' || w === 'pm') {
                meridiem = w;
            } else if ((m = /^(utc|gmt|ut|z)?([+-])(\d{1,4})$/.exec(w)) || (m = /^(utc|gmt|ut)$/.exec(w))) {
                offset = 0;
                if (m[2]) {
                    n = Number(m[3]);
                    offset = (m[3].length <= 2 ? n * 60 : Math.floor(n / 100) * 60 + n % 100) * (m[2] === '-' ? -1 : 1);
                }
            } else if (hasOwn.call(ZONES, w)) {
                offset = ZONES[w];
            } else if (/^\d+$/.test(w)) {
                n = Number(w);
                if (w.length <= 2 && n <= 31 && d === undefined)
                    d = n;
                else if (y === undefined && (w.length > 2 || n >= 70))
                    y = twoDigit(n);
                else
                    return NaN;
            } else if (/^[a-z]+\.?$/.test(w)) {
                w = w.replace('.', '');
                if (named(w, DAY_NAMES) >= 0 && named(w, MONTH_NAMES) < 0)
                    continue;
                n = named(w, MONTH_NAMES);
                if (n < 0 || mo !== undefined)
                    return NaN;
                mo = n;
            } else {
                return NaN;
            }
        }
        if (y === undefined || mo === undefined || d === undefined)
            return NaN;
        if (meridiem) {
            if (h > 12 || h === 0)
                return NaN;
            h = h % 12 + (meridiem === 'pm' ? 12 : 0);
        }
        if (offset !== undefined) {
            var utc = new NativeDate(NativeDate.UTC(2000, mo, d, h, mi, s));
            utc.setUTCFullYear(y);
            return utc.getTime() - offset * 60000;
        }
        var local = new NativeDate(2000, mo, d, h, mi, s);
        local.setFullYear(y);
        return local.getTime();
    }
    function parseDate(value) {
        if (value instanceof NativeDate)
            return value.getTime();
        var text = String(value);
        var t = parse(text);
        return t === t ? t : nativeParse(text);
    }
    function JScriptDate(a, b, c, d, e, f, g) {
        if (!new.target)
            return new NativeDate().toString();
        var date = arguments.length === 1 && typeof a === 'string'
            ? new NativeDate(parseDate(a))
            : construct(NativeDate, slice.call(arguments));
        if (new.target !== JScriptDate)
            Object.setPrototypeOf(date, new.target.prototype);
        return date;
    }
    JScriptDate.prototype = NativeDate.prototype;
    own(JScriptDate, 'parse', parseDate);
    own(JScriptDate, 'UTC', NativeDate.UTC);
    own(JScriptDate, 'now', NativeDate.now);
    own(NativeDate.prototype, 'constructor', JScriptDate);
    own(global, 'Date', JScriptDate);

    var proto = NativeDate.prototype;
    var getTime = proto.getTime;
    function valid(self) { return getTime.call(self) === getTime.call(self); }
    own(proto, 'toString', function () {
        if (!valid(this))
            return 'NaN';
        return DAYS[this.getDay()] + ' ' + MONTHS[this.getMonth()] + ' ' + this.getDate() + ' '
            + time(this.getHours(), this.getMinutes(), this.getSeconds()) + ' ' + zone(this) + ' ' + year(this.getFullYear());
    });
    own(proto, 'toDateString', function () {
        if (!valid(this))
            return 'NaN';
        return DAYS[this.getDay()] + ' ' + MONTHS[this.getMonth()] + ' ' + this.getDate() + ' ' + year(this.getFullYear());
    });
    own(proto, 'toTimeString', function () {
        if (!valid(this))
            return 'NaN';
        return time(this.getHours(), this.getMinutes(), this.getSeconds()) + ' ' + zone(this);
    });
    own(proto, 'toUTCString', function () {
        if (!valid(this))
            return 'NaN';
        return DAYS[this.getUTCDay()] + ', ' + this.getUTCDate() + ' ' + MONTHS[this.getUTCMonth()] + ' '
            + year(this.getUTCFullYear()) + ' ' + time(this.getUTCHours(), this.getUTCMinutes(), this.getUTCSeconds()) + ' UTC';
    });
    own(proto, 'toGMTString', proto.toUTCString);
    own(proto, 'getYear', function () {
        var y = this.getFullYear();
        return y >= 1900 && y <= 1999 ? y - 1900 : y;
    });
    own(proto, 'getVarDate', function () {
        var copy = new NativeDate(getTime.call(this));
        own(copy, '__vt_kind', 'date');
        return copy;
    });
})
)JS";

} // namespace

void JsDialect::install(QJSEngine &engine, const JsFrontEnd *frontEnd)
{
    m_frontEnd = frontEnd;
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    QJSValue versions = engine.newArray(3);
    versions.setProperty(0, kJScriptMajorVersion);
    versions.setProperty(1, kJScriptMinorVersion);
    versions.setProperty(2, kJScriptBuildVersion);
    engine.evaluate(QString::fromUtf8(kDialectPrelude), QStringLiteral("dialect-prelude"))
        .call({engine.newQObject(this), engine.globalObject(), versions});
}

QVariantList JsDialect::translate(const QString &name, const QString &message) const
{
    const JsErrorText t = jscriptError(name, message);
    return {t.number ? jscriptErrorCode(t.number) : 0.0, t.description};
}

QVariantList JsDialect::frontEnd(const QString &code) const
{
    if (!m_frontEnd)
        return {true, code};
    JsFrontEnd copy = *m_frontEnd;
    QString out;
    JsFrontEnd::Failure failure;
    if (!copy.translate(code, out, failure))
        return {false, jscriptErrorCode(failure.number), failure.description};
    return {true, out};
}

void JsDialect::thrown(const QJSValue &value, int line, int unit)
{
    m_thrown = value;
    m_site = {line, unit};
}

JsDialect::ThrowSite JsDialect::throwSite(const QJSValue &value) const
{
    if (m_site.line == 0 || !value.strictlyEquals(m_thrown))
        return {};
    return m_site;
}

QVariantList JsDialect::numbered(int number) const
{
    return {jscriptErrorCode(number), jscriptDescription(number)};
}
