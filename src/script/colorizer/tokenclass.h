#pragma once

namespace colorizer {

// What a run of script text is, for its colour. Plain covers identifiers,
// bracketed names and anything the scanners do not classify.
enum class TokenClass : unsigned char {
    Plain,
    Keyword,
    String,   // string literals, JScript template strings and regular expressions
    Comment,
    Number,   // numbers, VBScript &H/&O literals and #date# literals
    Operator, // operators and punctuation, VBScript's line continuation "_"
};

} // namespace colorizer
