#pragma once

#include "errors.h"
#include "ast.h"
#include "token.h"

#include <memory>
#include <string_view>
#include <vector>

namespace vbs {

// Recursive-descent parser: tokens in, syntax tree out. Stops at the first
// error and raises it as a compile ScriptException with VBScript's number,
// the line and column of the offending token and the text of its line.
// Nesting deeper than kMaxDepth (blocks or expressions) raises 28 "Out of
// stack space" as a compile error instead of exhausting the C++ stack; a run
// of binary operators is not nesting (see ast::ChainExpr). The tokens and the
// tree are charged to the current run's budget as they are made (7 past it),
// and reading them polls its deadline.
class Parser
{
public:
    static constexpr int kMaxDepth = 400;

    explicit Parser(std::u16string_view source);

    // program -> { statement | declaration } End
    std::unique_ptr<ast::Program> parseProgram();
    // A lone expression (Eval).
    ast::ExprPtr parseStandaloneExpression();

private:
    enum class Scope { Global, Procedure, Class };
    struct Context
    {
        Scope scope = Scope::Global;
        ast::ProcKind procKind = ast::ProcKind::Sub;
        int doDepth = 0;
        int forDepth = 0;
    };

    // tokens
    const Token &peek(std::size_t k = 0) const;
    Tok kind(std::size_t k = 0) const { return peek(k).kind; }
    bool at(Tok t) const { return kind() == t; }
    bool atWord(std::u16string_view word, std::size_t k = 0) const; // soft keyword
    const Token &advance();
    bool accept(Tok t);
    void expect(Tok t, CompileError error);
    void expectWord(std::u16string_view word, CompileError error);
    std::u16string expectName();
    [[noreturn]] void fail(CompileError number) const;
    [[noreturn]] void failAt(CompileError number, const Token &t) const;
    ast::Pos pos() const { return {peek().line, peek().column}; }
    bool atStatementEnd() const;
    void endStatement();
    void skipSeparators();

    // statements (parser.cpp)
    void parseTopLevel(ast::Program &program);
    ast::Block parseBlock(Context &ctx);
    bool atBlockEnd() const;
    ast::StmtPtr parseStatement(Context &ctx);
    ast::StmtPtr parseIdentifierStatement();
    ast::StmtPtr parseAssignment(bool isSet);
    ast::StmtPtr parseCall();
    ast::StmtPtr parseIf(Context &ctx);
    ast::StmtPtr parseSelect(Context &ctx);
    ast::StmtPtr parseFor(Context &ctx);
    ast::StmtPtr parseDo(Context &ctx);
    ast::StmtPtr parseWhile(Context &ctx);
    ast::StmtPtr parseWith(Context &ctx);
    ast::StmtPtr parseExit(Context &ctx);
    ast::StmtPtr parseOnError();
    ast::StmtPtr parseDim(ast::Pos at);
    ast::StmtPtr parseReDim();
    ast::StmtPtr parseErase();
    ast::StmtPtr parseConst(ast::Pos at);
    void parseInlineStatements(Context &ctx, ast::Block &into, bool stopAtElse);
    void expectEnd(Tok what, CompileError error);

    // declarations (parser_decl.cpp)
    std::unique_ptr<ast::ProcDecl> parseProcedure(bool inClass, bool isPublic, bool isDefault);
    std::unique_ptr<ast::ClassDecl> parseClass();
    void parseParams(ast::ProcDecl &proc);
    std::vector<std::int32_t> parseDimBounds(bool &hasDims);
    Variant parseConstValue();

    // expressions (parser_expr.cpp)
    ast::ExprPtr parseExpr(ast::Prec min = ast::Prec::Imp);
    ast::ExprPtr parseInfix(ast::Prec min, ast::ExprPtr lhs);
    ast::ExprPtr parsePrefix();
    ast::ExprPtr parsePostfix(ast::ExprPtr primary);
    ast::ExprPtr parsePrimary();
    void parseArgList(std::vector<ast::ExprPtr> &args, Tok close);
    ast::ExprPtr makeBinary(ast::Pos p, ast::BinOp op, ast::ExprPtr l, ast::ExprPtr r);
    void checkDepth(const ast::Expr &e) const;

    // A node of the tree, counted into m_memory.
    template <class T, class... A>
    std::unique_ptr<T> node(A &&...args)
    {
        m_pending += sizeof(T) + kNodeOverhead;
        if (m_pending >= kChargeEvery)
            chargePending();
        return std::make_unique<T>(std::forward<A>(args)...);
    }
    void chargePending();
    static constexpr std::size_t kNodeOverhead = 16; // the allocator's, and the node's share of vectors
    static constexpr std::size_t kChargeEvery = 1 << 14;

    struct DepthGuard
    {
        explicit DepthGuard(Parser &p);
        ~DepthGuard() { --parser.m_depth; }
        Parser &parser;
    };

    std::u16string_view m_source;
    std::vector<Token> m_tokens;
    Reservation m_tokenMemory;
    Reservation m_memory;      // the tree made so far, handed to the Program
    std::size_t m_pending = 0; // bytes of nodes not charged yet
    std::size_t m_pos = 0;
    int m_depth = 0;
    bool m_sawStatement = false;
    bool m_optionExplicit = false;
    ast::Program *m_program = nullptr; // takes procedures declared inside blocks
};

} // namespace vbs
