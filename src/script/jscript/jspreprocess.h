#pragma once

#include <QHash>
#include <QString>

// The front end every JScript text passes before Qt's engine compiles it.
//
// One pass tokenises the text as JScript does (strings, template literals,
// regular expression literals, comments) and
// - runs conditional compilation: `@cc_on`, `/*@ ... @*/` and `//@` (code
//   only once conditional compilation is on; comments otherwise),
//   `@if (...)`, `@elif (...)`, `@else`, `@end`, `@set @name = ...` and the
//   predefined variables; a variable stands for its value in the code;
// - rewrites the forms Qt's engine does not take:
//     obj.Name(args) = value   ->  __vt_put(obj, "Name", [args], value)
//     obj(args) = value        ->  __vt_put(obj, "", [args], value)
//     typeof x                 ->  (typeof x === "undefined" ? "undefined" : __vt_typeof(x))
//     typeof a.b               ->  __vt_typeof(a.b)
//     catch (e) {              ->  catch (e) { e = __vt_caught(e);
//     throw value              ->  throw __vt_throw(value, line, unit)
//   (the helpers are the dialect prelude's, jsbuiltins.h);
// - stamps lines, so that a run stopped by the time-out or by stop() can
//   say where it was (the engine's interrupt leaves no trace of its own).
//   The engine looks for an interrupt at the end of a call and of a loop's
//   round, so the stamps go at the start of every loop body and before
//   every statement that calls something:
//     while (x) {  stmt;   ->  while (x) {__vt_s[0]=V;  stmt;
//     f(a);                ->  __vt_at[0]=V; f(a);
//   A function with a loop starts with `var __vt_s=__vt_at;` (a local is
//   cheap to write where the global is not) and stamps through it. V is
//   lineStamp(unit, line); a text of unit 0 (eval's) is not stamped.
//
// Every line of the result is the same line of the text (lines are never
// joined or split, code left out by `@if` stays as blank lines), so the
// engine's line numbers are the script's.
class JsFrontEnd
{
public:
    // The global array whose first element holds the last line stamp.
    static constexpr const char *kStampHolder = "__vt_at";
    static constexpr int kStampLines = 1 << 22;
    static int lineStamp(int unit, int line) { return unit * kStampLines + line; }
    static int stampUnit(int stamp) { return stamp / kStampLines; }
    static int stampLine(int stamp) { return stamp % kStampLines; }

    struct Failure
    {
        long number = 0; // JScript's compile error number (1015, 1016, 1029, ...)
        QString description;
        int line = 0;    // 1-based
        int column = 0;  // 0-based
    };

    JsFrontEnd();

    // The code for Qt's engine, or false with `failure` filled. Conditional
    // compilation, once on, stays on for the later texts of the same front
    // end, and so do the variables they set, as for a host's script blocks.
    // `unit` names the text in the throw sites it marks (jsbuiltins.h).
    bool translate(const QString &code, QString &out, Failure &failure, int unit = 0);

    // After a translation: the error JScript reports for a bracket that the
    // text leaves open (number 0 when none is). The engine sees only the end
    // of the text there and words it its own way; this is a better
    // description when the engine refuses the code.
    const Failure &unclosed() const { return m_unclosed; }

    // After a translation: the column of the text that a column of the
    // code for the engine stands for (both 0-based, on the same line): the
    // rewriting inserts text into lines.
    int sourceColumn(int line, int column) const;
    // After a translation: the line with the most tokens (1-based; 0 for
    // none), where the engine's compiler runs out of depth when it says no
    // more than that.
    int busiestLine() const { return m_busiestLine; }

    // A conditional-compilation value: a number, or a Boolean.
    struct Value
    {
        double number = 0;
        bool boolean = false;
        bool isBoolean = false;
    };

private:
    friend class JsTranslation;
    bool m_on = false;
    Failure m_unclosed;
    int m_busiestLine = 0;
    struct Shift
    {
        int column;   // in the text
        int removed;  // characters of the text replaced
        int inserted; // by this many
    };
    QHash<int, QList<Shift>> m_shifts; // by line, in order
    QHash<QString, Value> m_variables;
};
