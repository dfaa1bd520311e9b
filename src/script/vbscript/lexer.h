#pragma once

#include "budget.h"
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
// unterminated string constant. The tokens are charged to the current
// run's budget as they are read (7 past it), and reading polls its deadline.
class Lexer
{
public:
    explicit Lexer(std::u16string_view source);
    std::vector<Token> tokenize();
    // What the tokens tokenize() returned are charged, for their holder.
    Reservation takeMemory() { return std::move(m_memory); }

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
    void account(std::vector<Token> &out);

    std::u16string_view m_src;
    std::size_t m_pos = 0;
    int m_line = 1;
    std::size_t m_lineStart = 0;
    Reservation m_memory;
    std::size_t m_polled = 0;   // source read up to the last poll
    std::size_t m_counted = 0;  // tokens whose text is charged
    std::size_t m_textBytes = 0;
};

} // namespace vbs
