#pragma once

#include "errors.h"
#include "token.h"

#include <string>
#include <string_view>
#include <vector>

namespace vbs {

// Splits source text into tokens. Comments (' and Rem) are dropped, a
// trailing " _" joins the next line, ':' and line ends separate statements.
// Raises the first lexical error as a compile ScriptException: 1030
// identifier too long, 1031 invalid number, 1032 invalid character, 1033
// unterminated string constant.
class Lexer
{
public:
    explicit Lexer(std::u16string_view source);
    std::vector<Token> tokenize();

    // The text of a 1-based line, without its line break.
    static std::u16string lineText(std::u16string_view source, int line);

private:
    [[noreturn]] void fail(CompileError number, int line, int column) const;
    void lexNumber(Token &t);
    void lexHexOctal(Token &t);
    bool operandAt(std::size_t p) const;
    bool startsRadixLiteral() const;
    void lexString(Token &t);
    void lexDate(Token &t);
    void lexIdentifier(Token &t);
    bool atLineEnd(std::size_t p) const;

    std::u16string_view m_src;
    std::size_t m_pos = 0;
    int m_line = 1;
    std::size_t m_lineStart = 0;
};

} // namespace vbs
