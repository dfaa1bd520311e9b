#pragma once

// The bounds a JScript program runs within, put in place before any script
// runs (JScriptEngine). Qt's engine bounds the recursion of script
// functions, but some of its built-ins recurse in C++ or take memory and
// time in one uninterruptible call; the prelude replaces those with
// functions that check first:
//
// - recursion: every proxy trap is a script function, so that a chain of
//   proxies recurses through counted frames; arrays join (join, toString,
//   toLocaleString) with a cycle joining as the empty text and nesting
//   deeper than bridge::kMaxNesting failing with 28; regular expressions
//   (RegExp, compile, match, matchAll, search) and code made at run time
//   (eval, Function, generator functions) whose parentheses nest deeper
//   than bridge::kMaxNesting or kMaxCodeNesting fail with 28;
// - memory and time: repeat, padStart, padEnd, split, concat, the case
//   mappings, the URI encoders, join, fill, slice, splice, map, filter, Array.from, the typed
//   arrays, ArrayBuffer and JSON.stringify compute what they will build and fail with 7 when
//   that is more than the run has left (JsHost::memoryLeft), more than
//   bridge::kMaxElements elements or 2^29 characters; each argument is
//   converted once, so a valueOf or a length getter that answers
//   differently the second time cannot slip past the check.
//
// eval is called through a variable, so its code runs in the global scope
// (an indirect eval) whoever calls it. There is no Promise: its reactions
// would run from the event loop after the call, outside every limit.
//
// The prelude is a function of (host, deepest, deepestCode, most): the
// JsHost, the two nesting limits and the element limit.
extern const char *const kBoundsPrelude;

// How deep the parentheses of a script's code may nest (regular expression
// literals are compiled with the code, recursively).
inline constexpr int kMaxCodeNesting = 4096;
