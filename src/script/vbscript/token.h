#pragma once

#include <cstdint>
#include <string>

namespace vbs {

// Token kinds. Keywords that may also name things (Default, Error,
// Explicit, Get, Preserve, Resume, Step, Stop) are plain identifiers the
// parser recognises by text.
enum class Tok : std::uint8_t {
    End, NewLine, Colon, Identifier, Integer, Float, String, Date,
    LParen, RParen, Comma, Dot, Eq, Ne, Lt, Gt, Le, Ge,
    Plus, Minus, Star, Slash, Backslash, Caret, Amp,
    // reserved words
    KwAnd, KwByRef, KwByVal, KwCall, KwCase, KwClass, KwConst, KwDim, KwDo, KwEach,
    KwElse, KwElseIf, KwEmpty, KwEnd, KwEqv, KwErase, KwExit, KwFalse, KwFor,
    KwFunction, KwGoTo, KwIf, KwImp, KwIn, KwIs, KwLet, KwLoop, KwMe, KwMod, KwNew,
    KwNext, KwNot, KwNothing, KwNull, KwOn, KwOption, KwOr, KwPrivate, KwProperty,
    KwPublic, KwReDim, KwSelect, KwSet, KwSub, KwThen, KwTo, KwTrue, KwUntil, KwWend,
    KwWhile, KwWith, KwXor
};

struct Token
{
    Tok kind = Tok::End;
    bool spaceBefore = false; // whitespace right before the token
    int line = 1;             // 1-based
    int column = 0;           // 0-based offset within the line
    std::u16string text;      // identifier name or string value
    double number = 0;        // Integer, Float and Date values
};

} // namespace vbs
