#include "jswrapper.h"

#include "jshost.h"

JsHandle::JsHandle(JsHost *host, vbs::Ref<vbs::Object> object, int type)
    : m_host(host), m_object(std::move(object)), m_type(type)
{
}

JsHandle::~JsHandle()
{
    if (m_host)
        m_host->forget(this);
}

// A wrapper is an arrow function (so that rs("name") calls the default
// member) without own properties but the handle, whose prototype is its
// type's: the type's prototype holds the accessors learnt so far, and its
// own prototype is a Proxy that learns a name on first use, or raises 438
// as the name is read, as JScript does (`if (obj.Unknown)` fails).
// The handle keeps its wrapper (a property of its own), so an object the
// script already holds comes back as the same wrapper. The host's methods
// are taken once: reading a method of a QObject from a script builds a new
// function each time. (The engine's WeakMap searches its keys one by one.)
const char *const kWrapperPrelude = R"JS(
(function (host) {
    var HANDLE = '__automationHandle';
    var WRAPPER = '__wrapper';
    var NativeProxy = Proxy;
    var hasOwn = Object.prototype.hasOwnProperty;
    var defineProperty = Object.defineProperty, setPrototypeOf = Object.setPrototypeOf, create = Object.create;
    var hResolve = host.resolve, hGet = host.get, hCall = host.call, hCall0 = host.call0, hCall1 = host.call1, hPut = host.put;
    var hPutIndexed = host.putIndexed, hMissing = host.missing, hText = host.text;
    var types = [];

    function unwrap(v) {
        if (typeof v === 'function') {
            var h = v.__automationHandle;
            if (h)
                return h;
        }
        return v;
    }
    function list(a) {
        var out = [];
        for (var i = 0; i < a.length; ++i)
            out[i] = unwrap(a[i]);
        return out;
    }
    // The hot paths read the handle by its literal name and unwrap inline:
    // the engine caches a named look-up, and every function call costs. A
    // rest parameter is one allocation per call where `arguments` is two.
    function bound(h, slot) {
        return (...a) => {
            var n = a.length;
            if (n === 0)
                return hCall0(h, slot);
            if (n !== 1)
                return hCall(h, slot, list(a));
            var v = a[0];
            return hCall1(h, slot, typeof v === 'function' ? unwrap(v) : v);
        };
    }
    function learn(proto, type, name) {
        var code = hResolve(type, name);
        if (code < 0)
            return false;
        var slot = code >> 2;
        if ((code & 3) === 1) {
            defineProperty(proto, name, {
                get: function () { return hGet(this.__automationHandle, slot); },
                set: function (v) { hPut(this.__automationHandle, slot, unwrap(v)); }
            });
        } else {
            // A method read off its object keeps the object, as JScript's do
            // (var m = rs.MoveNext; m()): the first read from each wrapper
            // makes its own function and keeps it on the wrapper.
            var refuse = function () { throw hMissing(name); };
            defineProperty(proto, name, {
                get: function () {
                    var method = bound(this[HANDLE], slot);
                    if (hasOwn.call(this, HANDLE))
                        defineProperty(this, name, { get: function () { return method; }, set: refuse });
                    return method;
                },
                set: refuse
            });
        }
        return true;
    }
    function valueOf() { return hCall(this[HANDLE], -1, []); }
    function toString() { return hText(this[HANDLE]); }
    function prototypeOf(type) {
        var proto = types[type];
        if (proto)
            return proto;
        proto = create(new NativeProxy(create(null), {
            get: function (t, name, receiver) {
                if (typeof name !== 'string')
                    return undefined;
                if (learn(proto, type, name))
                    return receiver[name];
                if (name === 'valueOf')
                    return valueOf;
                if (name === 'toString')
                    return toString;
                // What the engine itself looks for on any object.
                if (name === 'toJSON' || name === 'then' || name === 'constructor' || name === 'prototype')
                    return undefined;
                // Qt's engine throws an error of its own in place of this one
                // when the name is called (obj.Unknown()): a TypeError whose
                // message the dialect reads as this same 438.
                throw hMissing(name);
            },
            set: function (t, name, value, receiver) {
                if (typeof name === 'string' && learn(proto, type, name))
                    receiver[name] = value;
                else
                    throw hMissing(String(name));
                return true;
            },
            has: function (t, name) {
                return typeof name === 'string' && learn(proto, type, name);
            }
        }));
        types[type] = proto;
        return proto;
    }
    function wrap(h, type) {
        var w = h[WRAPPER];
        if (w)
            return w;
        w = bound(h, -1);
        delete w.length;
        delete w.name;
        defineProperty(w, HANDLE, { value: h });
        setPrototypeOf(w, prototypeOf(type));
        h[WRAPPER] = w;
        return w;
    }
    // obj.name(args) = value, as the front end rewrites it: the value of
    // the assignment is the value assigned.
    function put(obj, name, args, value) {
        var h = typeof obj === 'function' ? obj[HANDLE] : undefined;
        if (!h) {
            var e = new ReferenceError('Cannot assign to a function result');
            defineProperty(e, 'number', { value: 5003, writable: true, configurable: true });
            defineProperty(e, 'description', { value: e.message, writable: true, configurable: true });
            throw e;
        }
        hPutIndexed(h, String(name), list(args), unwrap(value));
        return value;
    }
    return { wrap: wrap, unwrap: unwrap, put: put };
})
)JS";
