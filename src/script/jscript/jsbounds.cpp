#include "jsbounds.h"

const char *const kBoundsPrelude = R"JS(
(function (host, deepest, deepestCode, most) {
    // Everything the bounds use is taken now, before any script runs, so
    // that a script replacing a built-in changes nothing here.
    var global = (function () { return this; })();
    var apply = Function.prototype.call.bind(Function.prototype.apply);
    var defineProperty = Object.defineProperty;
    var getOwnPropertyDescriptor = Object.getOwnPropertyDescriptor;
    var getOwnPropertyNames = Object.getOwnPropertyNames;
    var getPrototypeOf = Object.getPrototypeOf;
    var setPrototypeOf = Object.setPrototypeOf;
    var create = Object.create;
    var NativeObject = Object;
    var isArray = Array.isArray;
    var arraySlice = Array.prototype.slice;
    var construct = Reflect.construct;
    var reflect = { get: Reflect.get, set: Reflect.set, has: Reflect.has, deleteProperty: Reflect.deleteProperty,
                    ownKeys: Reflect.ownKeys, getOwnPropertyDescriptor: Reflect.getOwnPropertyDescriptor,
                    defineProperty: Reflect.defineProperty, getPrototypeOf: Reflect.getPrototypeOf,
                    setPrototypeOf: Reflect.setPrototypeOf, isExtensible: Reflect.isExtensible,
                    preventExtensions: Reflect.preventExtensions, apply: Reflect.apply, construct: Reflect.construct };
    var NativeProxy = Proxy;
    var NativeRegExp = RegExp;
    var NativeString = String;
    var NativeNumber = Number;
    var NativeRangeError = RangeError;
    var NativeTypeError = TypeError;
    var iterator = Symbol.iterator;
    var isView = ArrayBuffer.isView;
    var typedLength = getOwnPropertyDescriptor(getPrototypeOf(Int8Array.prototype), 'length').get;
    var exec = RegExp.prototype.exec;
    var floor = Math.floor;
    var small = 1048576;          // bytes below which nothing is asked
    var longest = 536870912;      // characters of a text built in one call
    var elementBytes = 16;        // an element of an array
    var pieceBytes = 64;          // a text of its own in an array

    function failure(number, message) {
        var e = new NativeRangeError(message);
        e.number = number;
        return e;
    }
    function tooDeep(what) {
        return failure(28, 'Out of stack space: ' + what);
    }
    function megabytes(bytes) {
        return floor(bytes / 1048576);
    }
    // A call that would take `bytes` fails with 7 when the script's run has
    // not that much left.
    function claim(bytes, what) {
        if (!(bytes > small))
            return;
        var left = host.memoryLeft();
        if (left >= 0 && bytes > left)
            throw failure(7, 'Out of memory: ' + what + ' would take ' + megabytes(bytes) + ' MB, more than the '
                             + megabytes(left) + ' MB the script has left');
    }
    // A built-in walking more elements or characters than it can in the time-out.
    function walk(count, what) {
        if (count > most)
            throw failure(7, 'Out of memory: ' + what + ' over more than ' + most + ' elements');
    }
    function longText(length, what) {
        if (length > longest)
            throw failure(7, 'Out of memory: ' + what + ' longer than ' + longest + ' characters');
    }
    function replace(owner, name, value) {
        defineProperty(owner, name, { value: value, writable: true, configurable: true });
    }
    function toLength(value) {
        var n = NativeNumber(value);
        return n > 0 ? (n > 9007199254740991 ? 9007199254740991 : floor(n)) : 0;
    }
    function text(self, name) {
        if (self === null || self === undefined)
            throw new NativeTypeError('String.prototype.' + name + ' called on null or undefined');
        return NativeString(self);
    }

    // Proxies: every trap is a script function, so that a chain of proxies
    // recurses through script frames, which the engine counts and bounds.
    var forwardingTraps = create(null);
    getOwnPropertyNames(reflect).forEach(function (name) {
        var fallback = reflect[name];
        forwardingTraps[name] = function () {
            var handler = this.handler;
            var own = handler[name];
            return own === undefined || own === null ? apply(fallback, undefined, arguments)
                                                      : apply(own, handler, arguments);
        };
    });
    function forwarding(handler) {
        if (handler === null || (typeof handler !== 'object' && typeof handler !== 'function'))
            return handler; // the engine's own TypeError
        var forward = create(forwardingTraps);
        forward.handler = handler;
        return forward;
    }
    var SafeProxy = function Proxy(target, handler) {
        if (new.target === undefined)
            throw new NativeTypeError('Constructor Proxy requires \'new\'');
        return new NativeProxy(target, forwarding(handler));
    };
    replace(SafeProxy, 'revocable', function revocable(target, handler) {
        return NativeProxy.revocable(target, forwarding(handler));
    });
    replace(global, 'Proxy', SafeProxy);

    // The length an array method will read from `self`: an array's (a
    // proxy's comes from a script trap, and so does every element), or an
    // object's data property; a getter could answer the built-in otherwise
    // than it answered here.
    function lengthOf(self, name) {
        if (self === null || self === undefined)
            return 0;
        var object = NativeObject(self);
        if (!isArray(object)) {
            for (var o = object; o !== null; o = getPrototypeOf(o)) {
                var d = getOwnPropertyDescriptor(o, 'length');
                if (d !== undefined) {
                    if (d.get !== undefined || d.set !== undefined)
                        throw failure(5, 'Invalid procedure call or argument: ' + name
                                         + ' over an object whose length is computed');
                    break;
                }
            }
        }
        return toLength(object.length);
    }

    // Array methods: bounded in elements and in what they build. Joining
    // tracks the arrays being joined: an array inside itself joins as the
    // empty text, nesting deeper than `deepest` fails.
    var ArrayProto = Array.prototype;
    var joining = [];
    var joinDepth = 0;
    function joiner(name, native) {
        return function () {
            var self = this;
            for (var i = 0; i < joinDepth; ++i) {
                if (joining[i] === self)
                    return '';
            }
            if (joinDepth >= deepest)
                throw tooDeep('arrays nested deeper than ' + deepest + ' levels');
            var length = lengthOf(self, name);
            walk(length, name);
            var args = arguments;
            if (name === 'join') {
                var separator = args[0] === undefined ? ',' : NativeString(args[0]);
                claim((length - 1) * separator.length * 2, 'join');
                args = [separator];
            }
            joining[joinDepth++] = self;
            try {
                return apply(native, self, args);
            } finally {
                --joinDepth;
            }
        };
    }
    replace(ArrayProto, 'join', joiner('join', ArrayProto.join));
    replace(ArrayProto, 'toLocaleString', joiner('toLocaleString', ArrayProto.toLocaleString));
    var arrayJoin = ArrayProto.join;
    var objectToString = Object.prototype.toString;
    replace(ArrayProto, 'toString', function toString() {
        var self = NativeObject(this);
        var join = self.join;
        return typeof join === 'function' ? apply(join, self, []) : apply(objectToString, self, []);
    });

    // What each array method builds, in elements, from the length of `this`.
    function guardArray(name, builds) {
        var native = ArrayProto[name];
        if (typeof native !== 'function')
            return;
        replace(ArrayProto, name, function () {
            var length = lengthOf(this, name);
            walk(length, name);
            if (builds)
                claim(builds(length, arguments) * elementBytes, name);
            return apply(native, this, arguments);
        });
    }
    var all = function (length) { return length; };
    ['indexOf', 'lastIndexOf', 'includes', 'reverse', 'sort', 'copyWithin', 'forEach', 'some', 'every', 'reduce',
     'reduceRight', 'find', 'findIndex', 'shift', 'pop', 'push', 'unshift'].forEach(function (name) {
        guardArray(name, null);
    });
    ['fill', 'slice', 'splice', 'map', 'filter', 'flatMap'].forEach(function (name) {
        guardArray(name, all);
    });
    guardArray('concat', function (length, args) {
        for (var i = 0; i < args.length; ++i)
            length += isArray(args[i]) ? lengthOf(args[i], 'concat') : 1;
        walk(length, 'concat');
        return length;
    });
    var nativeFrom = Array.from;
    replace(Array, 'from', function from(items) {
        if (items !== null && items !== undefined && (isArray(items) || !(iterator in NativeObject(items)))) {
            var length = lengthOf(items, 'Array.from');
            walk(length, 'Array.from');
            claim(length * elementBytes, 'Array.from');
        }
        return apply(nativeFrom, this, arguments);
    });

    // Texts: every argument converted once, so that a valueOf or toString
    // that answers differently the second time cannot pass the check.
    var StringProto = String.prototype;
    var nativeRepeat = StringProto.repeat;
    replace(StringProto, 'repeat', function repeat(count) {
        var s = text(this, 'repeat');
        var n = NativeNumber(count);
        if (n >= 0 && n < Infinity) {
            longText(s.length * floor(n), 'repeat');
            claim(s.length * floor(n) * 2, 'repeat');
        }
        return apply(nativeRepeat, s, [n]);
    });
    ['padStart', 'padEnd'].forEach(function (name) {
        var native = StringProto[name];
        replace(StringProto, name, function (maxLength, fill) {
            var s = text(this, name);
            var n = NativeNumber(maxLength);
            var filler = fill === undefined ? undefined : NativeString(fill);
            if (n > s.length && filler !== '') {
                longText(n, name);
                claim(n * 2, name);
            }
            return apply(native, s, [n, filler]);
        });
    });
    var nativeConcat = StringProto.concat;
    replace(StringProto, 'concat', function concat() {
        var parts = [text(this, 'concat')];
        var length = parts[0].length;
        for (var i = 0; i < arguments.length; ++i) {
            parts[i + 1] = NativeString(arguments[i]);
            length += parts[i + 1].length;
        }
        longText(length, 'concat');
        claim(length * 2, 'concat');
        return apply(nativeConcat, parts[0], apply(arraySlice, parts, [1]));
    });
    // A text of the same length, a character at a time (slowly).
    ['toUpperCase', 'toLowerCase', 'toLocaleUpperCase', 'toLocaleLowerCase', 'normalize'].forEach(function (name) {
        var native = StringProto[name];
        if (typeof native !== 'function')
            return;
        replace(StringProto, name, function () {
            var s = text(this, name);
            walk(s.length, name);
            claim(s.length * 2, name);
            return apply(native, s, arguments);
        });
    });
    // The encoders write up to nine characters for one ("%E2%82%AC").
    [['encodeURIComponent', 9], ['encodeURI', 9], ['escape', 6]].forEach(function (entry) {
        var name = entry[0];
        var native = global[name];
        if (typeof native !== 'function')
            return;
        replace(global, name, function (value) {
            var s = NativeString(value);
            longText(s.length * entry[1], name);
            claim(s.length * entry[1] * 2, name);
            return native(s);
        });
    });
    // split: as many pieces as the separator can cut, counted exactly when
    // the first guess is too many.
    function pieces(s, separator) {
        if (typeof separator === 'string')
            return host.occurrences(s, separator) + 1;
        var count = 1;
        var flags = separator.flags;
        var re = new NativeRegExp(separator.source, flags.indexOf('g') >= 0 ? flags : flags + 'g');
        for (var m = apply(exec, re, [s]); m !== null; m = apply(exec, re, [s])) {
            ++count;
            if (m[0] === '')
                ++re.lastIndex;
        }
        return count;
    }
    var nativeSplit = StringProto.split;
    replace(StringProto, 'split', function split(separator, limit) {
        var s = text(this, 'split');
        var limitCount = limit === undefined ? 4294967295 : NativeNumber(limit) >>> 0;
        var cut = separator instanceof NativeRegExp ? separator
                : separator === undefined ? undefined : NativeString(separator);
        var count = cut === undefined ? 1 : cut === '' ? s.length : typeof cut === 'string'
                  ? floor(s.length / cut.length) + 1 : s.length + 1;
        if (count > limitCount)
            count = limitCount;
        try {
            claim(count * pieceBytes, 'split');
        } catch (e) {
            if (typeof cut === 'string' && cut === '')
                throw e;
            count = pieces(s, cut);
            claim((count > limitCount ? limitCount : count) * pieceBytes, 'split');
        }
        return apply(nativeSplit, s, [cut, limitCount]);
    });

    // Typed arrays and buffers: their bytes are taken at once.
    function guardConstructor(owner, name, bytes) {
        var native = owner[name];
        if (typeof native !== 'function')
            return;
        var wrapper = function () {
            if (new.target === undefined)
                return apply(native, this, arguments);
            claim(bytes(arguments), name);
            return construct(native, arguments, new.target === wrapper ? native : new.target);
        };
        getOwnPropertyNames(native).forEach(function (key) {
            if (key !== 'prototype' && key !== 'length' && key !== 'name' && key !== 'caller' && key !== 'arguments')
                defineProperty(wrapper, key, getOwnPropertyDescriptor(native, key));
        });
        defineProperty(wrapper, 'name', { value: name });
        defineProperty(wrapper, 'prototype', { value: native.prototype });
        setPrototypeOf(wrapper, getPrototypeOf(native));
        replace(native.prototype, 'constructor', wrapper);
        replace(owner, name, wrapper);
    }
    ['Int8Array', 'Uint8Array', 'Uint8ClampedArray', 'Int16Array', 'Uint16Array', 'Int32Array', 'Uint32Array',
     'Float32Array', 'Float64Array'].forEach(function (name) {
        var size = global[name] ? global[name].BYTES_PER_ELEMENT : 1;
        guardConstructor(global, name, function (args) {
            var first = args[0];
            if (first === null || typeof first !== 'object')
                return NativeNumber(first) * size;
            if (isView(first))
                return apply(typedLength, first, []) * size;
            if (!isArray(first) && iterator in first)
                return 0; // a buffer, or read through an iterator over what is already there
            var length = lengthOf(first, name);
            walk(length, name);
            return length * size;
        });
    });
    ['ArrayBuffer', 'SharedArrayBuffer'].forEach(function (name) {
        guardConstructor(global, name, function (args) { return NativeNumber(args[0]); });
    });

    // JSON.stringify: the text it builds is counted as it goes, through a
    // replacer (the script's own is called as well), which sees each array
    // before the built-in walks it. The built-in walks on after a failure
    // and writes holes without asking: hence the lower bound of elements.
    var nativeStringify = JSON.stringify;
    var mostJson = floor(most / 4);
    replace(JSON, 'stringify', function stringify(value, replacer, space) {
        if (isArray(replacer))
            return apply(nativeStringify, JSON, arguments);
        var own = typeof replacer === 'function' ? replacer : null;
        var built = 0;
        var checked = 0;
        var elements = 0;
        var counting = function (key, v) {
            if (own !== null)
                v = apply(own, this, [key, v]);
            if (isArray(v)) {
                var length = lengthOf(v, 'JSON.stringify');
                elements += length;
                if (elements > mostJson)
                    throw failure(7, 'Out of memory: JSON.stringify over more than ' + mostJson + ' elements');
                built += length * 5;
            }
            built += NativeString(key).length + (typeof v === 'string' ? v.length : 8);
            // The text grows by doubling: the next step needs as much again
            // as there is, with both copies held while it is copied.
            if (built - checked > 65536) {
                checked = built;
                longText(built, 'JSON.stringify');
                claim(built * 4, 'JSON.stringify');
            }
            return v;
        };
        return apply(nativeStringify, JSON, [value, counting, space]);
    });

    // Regular expressions and code made at run time: parentheses nested too
    // deep would recurse the compiler away.
    function checkPattern(pattern, limit, what) {
        if (typeof pattern === 'string' && host.nesting(pattern) > limit)
            throw tooDeep(what + ' nests parentheses deeper than ' + limit + ' levels');
    }
    var SafeRegExp = function RegExp(pattern, flags) {
        if (!(pattern instanceof NativeRegExp))
            checkPattern(NativeString(pattern === undefined ? '' : pattern), deepest, 'the regular expression');
        return new.target === undefined ? NativeRegExp(pattern, flags)
                                        : construct(NativeRegExp, arguments, new.target === SafeRegExp ? NativeRegExp : new.target);
    };
    getOwnPropertyNames(NativeRegExp).forEach(function (key) {
        if (key !== 'prototype' && key !== 'length' && key !== 'name' && key !== 'caller' && key !== 'arguments')
            defineProperty(SafeRegExp, key, getOwnPropertyDescriptor(NativeRegExp, key));
    });
    defineProperty(SafeRegExp, 'prototype', { value: NativeRegExp.prototype });
    replace(NativeRegExp.prototype, 'constructor', SafeRegExp);
    replace(global, 'RegExp', SafeRegExp);
    var nativeCompile = NativeRegExp.prototype.compile;
    if (typeof nativeCompile === 'function') {
        replace(NativeRegExp.prototype, 'compile', function compile(pattern, flags) {
            if (!(pattern instanceof NativeRegExp))
                checkPattern(NativeString(pattern === undefined ? '' : pattern), deepest, 'the regular expression');
            return apply(nativeCompile, this, arguments);
        });
    }
    ['match', 'matchAll', 'search'].forEach(function (name) {
        var native = StringProto[name];
        if (typeof native !== 'function')
            return;
        replace(StringProto, name, function (pattern) {
            if (!(pattern instanceof NativeRegExp) && pattern !== undefined && pattern !== null) {
                pattern = NativeString(pattern);
                checkPattern(pattern, deepest, 'the regular expression');
            }
            return apply(native, this, [pattern]);
        });
    });
    function codeOf(args) {
        var parts = [];
        for (var i = 0; i < args.length; ++i)
            parts[i] = NativeString(args[i]);
        return apply(arrayJoin, parts, ['\n']);
    }
    var nativeEval = eval;
    replace(global, 'eval', function eval(code) {
        if (typeof code === 'string')
            checkPattern(code, deepestCode, 'the code');
        return nativeEval(code);
    });
    function guardCompiler(owner, name) {
        var native = owner[name];
        var wrapper = function () {
            checkPattern(codeOf(arguments), deepestCode, 'the code');
            return new.target === undefined ? apply(native, this, arguments)
                                            : construct(native, arguments, new.target === wrapper ? native : new.target);
        };
        defineProperty(wrapper, 'prototype', { value: native.prototype });
        setPrototypeOf(wrapper, getPrototypeOf(native));
        replace(native.prototype, 'constructor', wrapper);
        replace(owner, name, wrapper);
    }
    guardCompiler(global, 'Function');
    var generator = (function () {
        try {
            return getPrototypeOf(eval('(function* () {})'));
        } catch (e) {
            return null;
        }
    })();
    if (generator)
        guardCompiler({ GeneratorFunction: generator.constructor }, 'GeneratorFunction');

    // A promise's reactions run from the event loop after the call has
    // returned, outside its time-out and memory budget; no result of a call
    // can wait for them either.
    delete global.Promise;
})
)JS";
