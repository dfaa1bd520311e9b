// Statements. Each function starts with the grammar it parses.
#include "parser.h"

#include "errors.h"
#include "lexer.h"
#include "runguard.h"
#include "text.h"

namespace vbs {

using namespace ast;

Parser::Parser(std::u16string_view source) : m_source(source)
{
    Lexer lexer(source);
    m_tokens = lexer.tokenize();
    m_tokenMemory = lexer.takeMemory();
    // "Property" is a keyword only where it declares or ends a property
    // (followed by a word: Property Get/Let/Set; End Property, Exit Property);
    // elsewhere ("Property = 1", "Dim Property") it is a name.
    for (std::size_t i = 0; i < m_tokens.size(); ++i) {
        Token &t = m_tokens[i];
        if (t.kind != Tok::KwProperty)
            continue;
        const Token *next = i + 1 < m_tokens.size() ? &m_tokens[i + 1] : nullptr;
        const bool declares =
            next && (next->kind == Tok::KwLet || next->kind == Tok::KwSet || next->kind == Tok::Identifier);
        const bool ends = i > 0 && (m_tokens[i - 1].kind == Tok::KwEnd || m_tokens[i - 1].kind == Tok::KwExit);
        if (!declares && !ends)
            t.kind = Tok::Identifier;
    }
}

const Token &Parser::peek(std::size_t k) const
{
    const std::size_t i = m_pos + k;
    return i < m_tokens.size() ? m_tokens[i] : m_tokens.back();
}

bool Parser::atWord(std::u16string_view word, std::size_t k) const
{
    const Token &t = peek(k);
    return t.kind == Tok::Identifier && equalsNoCase(t.text, word);
}

const Token &Parser::advance()
{
    const Token &t = peek();
    if (m_pos < m_tokens.size() - 1)
        ++m_pos;
    return t;
}

bool Parser::accept(Tok t)
{
    if (!at(t))
        return false;
    advance();
    return true;
}

void Parser::expect(Tok t, CompileError error)
{
    if (!accept(t))
        fail(error);
}

void Parser::expectWord(std::u16string_view word, CompileError error)
{
    if (!atWord(word))
        fail(error);
    advance();
}

std::u16string Parser::expectName()
{
    if (!at(Tok::Identifier))
        fail(CompileError::ExpectedIdentifier);
    return advance().text;
}

void Parser::fail(CompileError number) const
{
    // The text ending where an expression should follow ("x = ", "1 + " in
    // Execute or Eval) is a plain syntax error.
    if (number == CompileError::ExpectedExpression && at(Tok::End))
        number = CompileError::SyntaxError;
    failAt(number, peek());
}

void Parser::failAt(CompileError number, const Token &t) const
{
    raiseCompileError(number, t.line, t.column, Lexer::lineText(m_source, t.line));
}

// A statement also ends where "End Sub", "End If" ... closes its block on
// the same line ("Function F() F = 1 End Function").
bool Parser::atStatementEnd() const
{
    return at(Tok::NewLine) || at(Tok::Colon) || at(Tok::End) || at(Tok::KwEnd);
}

void Parser::endStatement()
{
    if (!atStatementEnd())
        fail(CompileError::ExpectedEndOfStatement);
}

void Parser::skipSeparators()
{
    while (at(Tok::NewLine) || at(Tok::Colon))
        advance();
}

// program -> { separator | Option Explicit | declaration | statement } End
void Parser::chargePending()
{
    m_memory.grow(m_pending);
    work(m_pending / 64);
    m_pending = 0;
}

std::unique_ptr<Program> Parser::parseProgram()
{
    auto program = std::make_unique<Program>();
    m_memory.grow(sizeof(Program) + m_source.size() * sizeof(char16_t));
    program->source = std::u16string(m_source);
    parseTopLevel(*program);
    program->optionExplicit = m_optionExplicit;
    chargePending();
    program->memory = std::move(m_memory);
    return program;
}

void Parser::parseTopLevel(Program &program)
{
    m_program = &program;
    Context ctx;
    while (true) {
        skipSeparators();
        if (at(Tok::End))
            return;
        const Pos p = pos();
        bool isPublic = true, isPrivate = false, isDefault = false;
        if (at(Tok::KwOption)) {
            advance();
            expectWord(u"Explicit", CompileError::SyntaxError);
            if (m_sawStatement)
                failAt(CompileError::ExpectedStatement, m_tokens[m_pos - 2]);
            m_optionExplicit = true;
            endStatement();
            continue;
        }
        m_sawStatement = true;
        if (at(Tok::KwPublic) || at(Tok::KwPrivate)) {
            isPrivate = at(Tok::KwPrivate);
            isPublic = !isPrivate;
            advance();
            if (atWord(u"Default")) {
                if (isPrivate)
                    fail(CompileError::DefaultWithoutPublic);
                fail(CompileError::MustBeInsideClass);
            }
            if (at(Tok::KwConst)) {
                program.body.push_back(parseConst(p));
                endStatement();
                continue;
            }
            if (!at(Tok::KwSub) && !at(Tok::KwFunction) && !at(Tok::KwProperty)) {
                program.body.push_back(parseDim(p));
                endStatement();
                continue;
            }
        }
        if (at(Tok::KwSub) || at(Tok::KwFunction)) {
            program.procs.push_back(parseProcedure(false, isPublic, isDefault));
            continue;
        }
        if (at(Tok::KwProperty))
            fail(CompileError::MustBeInsideClass);
        if (at(Tok::KwClass)) {
            program.classes.push_back(parseClass());
            continue;
        }
        program.body.push_back(parseStatement(ctx));
        endStatement();
    }
}

bool Parser::atBlockEnd() const
{
    switch (kind()) {
    case Tok::End:
    case Tok::KwEnd:
    case Tok::KwElse:
    case Tok::KwElseIf:
    case Tok::KwCase:
    case Tok::KwLoop:
    case Tok::KwNext:
    case Tok::KwWend:
        return true;
    default:
        return false;
    }
}

// block -> { separator | statement } up to End/Else/ElseIf/Case/Loop/Next/Wend
Block Parser::parseBlock(Context &ctx)
{
    DepthGuard guard(*this);
    Block block;
    while (true) {
        skipSeparators();
        if (atBlockEnd())
            return block;
        if (ctx.scope == Scope::Global && m_program && (at(Tok::KwSub) || at(Tok::KwFunction))) {
            // A procedure inside a block of global code is declared all the same.
            m_program->procs.push_back(parseProcedure(false, true, false));
            continue;
        }
        if (at(Tok::KwSub) || at(Tok::KwFunction) || at(Tok::KwClass) || at(Tok::KwProperty) ||
            at(Tok::KwPublic) || at(Tok::KwPrivate) || at(Tok::KwOption))
            fail(CompileError::ExpectedStatement);
        block.push_back(parseStatement(ctx));
        endStatement();
    }
}

// End <what>
void Parser::expectEnd(Tok what, CompileError error)
{
    if (!at(Tok::KwEnd))
        fail(error);
    advance();
    if (!accept(what))
        fail(error == CompileError::ExpectedEnd ? CompileError::SyntaxError : error);
}

ast::StmtPtr Parser::parseStatement(Context &ctx)
{
    DepthGuard guard(*this); // one-line Ifs nest without blocks
    const Pos p = pos();
    switch (kind()) {
    case Tok::KwDim: return parseDim(p);
    case Tok::KwReDim: return parseReDim();
    case Tok::KwErase: return parseErase();
    case Tok::KwConst: return parseConst(p);
    case Tok::KwSet: advance(); return parseAssignment(true);
    case Tok::KwLet: advance(); return parseAssignment(false);
    case Tok::KwCall: return parseCall();
    case Tok::KwIf: return parseIf(ctx);
    case Tok::KwSelect: return parseSelect(ctx);
    case Tok::KwFor: return parseFor(ctx);
    case Tok::KwDo: return parseDo(ctx);
    case Tok::KwWhile: return parseWhile(ctx);
    case Tok::KwWith: return parseWith(ctx);
    case Tok::KwExit: return parseExit(ctx);
    case Tok::KwOn: return parseOnError();
    case Tok::KwOption: fail(CompileError::ExpectedStatement);
    case Tok::KwLoop: fail(CompileError::LoopWithoutDo);
    case Tok::KwNext: fail(CompileError::UnexpectedNext);
    case Tok::Identifier:
        if (atWord(u"Stop") && (kind(1) == Tok::NewLine || kind(1) == Tok::Colon || kind(1) == Tok::End)) {
            advance();
            return node<SimpleStmt>(StmtKind::Nop, p);
        }
        return parseIdentifierStatement();
    case Tok::Dot:
    case Tok::KwMe:
        return parseIdentifierStatement();
    default: fail(CompileError::ExpectedStatement);
    }
}

// assignment -> target '=' expr ; call -> target [args]
// The target is a name with its member and index suffixes. A call whose
// first argument starts with '(' ("f (a), b") is told apart from "f(a, b)",
// which is error 1044 as a statement.
ast::StmtPtr Parser::parseIdentifierStatement()
{
    const Pos p = pos();
    ExprPtr target = parsePostfix(parsePrimary());
    if (at(Tok::Eq)) {
        advance();
        auto a = node<AssignStmt>(p);
        a->target = std::move(target);
        a->value = parseExpr();
        return a;
    }
    if (atStatementEnd() || at(Tok::KwElse)) {
        if (target->kind == ExprKind::Call) {
            auto *call = static_cast<CallExpr *>(target.get());
            if (call->args.size() > 1)
                failAt(CompileError::ParenthesesCallingSub, m_tokens[m_pos - 1]);
            if (call->args.size() == 1 && call->args[0]) {
                // f (x): x is passed by value.
                const Pos ap = call->args[0]->pos;
                const int d = call->args[0]->depth + 1;
                call->args[0] = node<ParenExpr>(ap, std::move(call->args[0]));
                call->args[0]->depth = d;
            }
        }
        return node<CallStmt>(p, std::move(target));
    }
    // f args...: the callee is what precedes the arguments.
    auto call = node<CallExpr>(p, nullptr);
    if (target->kind == ExprKind::Call) {
        auto *c = static_cast<CallExpr *>(target.get());
        if (c->args.size() != 1 || !c->args[0])
            fail(CompileError::ExpectedEndOfStatement);
        // "f (a) + 1, b": the parenthesised part begins the first argument.
        ExprPtr first = node<ParenExpr>(c->args[0]->pos, std::move(c->args[0]));
        first->depth = 2;
        call->callee = std::move(c->callee);
        call->args.push_back(parseInfix(Prec::Imp, std::move(first)));
        if (accept(Tok::Comma)) {
            if (atStatementEnd())
                call->args.push_back(nullptr);
            else
                parseArgList(call->args, Tok::End);
        }
    } else {
        call->callee = std::move(target);
        parseArgList(call->args, Tok::End);
    }
    if (!atStatementEnd() && !at(Tok::KwElse))
        fail(CompileError::ExpectedEndOfStatement);
    return node<CallStmt>(p, std::move(call));
}

// set -> Set target '=' expr ; let -> [Let] target '=' expr
ast::StmtPtr Parser::parseAssignment(bool isSet)
{
    const Pos p = pos();
    if (!at(Tok::Identifier) && !at(Tok::Dot) && !at(Tok::KwMe))
        fail(CompileError::ExpectedIdentifier);
    auto a = node<AssignStmt>(p);
    a->isSet = isSet;
    a->target = parsePostfix(parsePrimary());
    if (a->target->kind == ExprKind::Me)
        fail(CompileError::InvalidUseOfMe);
    expect(Tok::Eq, CompileError::ExpectedEquals);
    a->value = parseExpr();
    return a;
}

// call -> Call name-expr | Call '(' expr ')' { '.' name | '(' args ')' }
// ("Call (((f))) (x)" calls f, see parsePostfix)
ast::StmtPtr Parser::parseCall()
{
    const Pos p = pos();
    advance();
    if (!at(Tok::Identifier) && !at(Tok::Dot) && !at(Tok::KwMe) && !at(Tok::LParen))
        fail(CompileError::ExpectedIdentifier);
    ExprPtr target = parsePostfix(parsePrimary());
    return node<CallStmt>(p, std::move(target));
}

// inline -> statement { ':' statement } [Else statement { ':' statement }]
void Parser::parseInlineStatements(Context &ctx, Block &into, bool stopAtElse)
{
    while (true) {
        if (at(Tok::NewLine) || at(Tok::End))
            return;
        if (stopAtElse && (at(Tok::KwElse) || at(Tok::KwElseIf)))
            return;
        if (at(Tok::Colon)) {
            advance();
            continue;
        }
        if (at(Tok::KwEnd)) {
            // "If c Then x End If", or the End of the enclosing block, on one line.
            return;
        }
        into.push_back(parseStatement(ctx));
        if (!atStatementEnd() && !(stopAtElse && at(Tok::KwElse)))
            fail(CompileError::ExpectedEndOfStatement);
    }
}

// if -> If expr Then NewLine block { ElseIf expr Then block } [Else block] End If
//     | If expr Then inline [Else inline]
ast::StmtPtr Parser::parseIf(Context &ctx)
{
    auto s = node<IfStmt>(pos());
    advance();
    IfBranch first;
    first.cond = parseExpr();
    expect(Tok::KwThen, CompileError::ExpectedThen);
    if (!at(Tok::NewLine) && !at(Tok::End)) {
        parseInlineStatements(ctx, first.body, true);
        s->branches.push_back(std::move(first));
        if (accept(Tok::KwElse))
            parseInlineStatements(ctx, s->elseBody, false);
        if (at(Tok::KwEnd) && kind(1) == Tok::KwIf) {
            advance();
            advance();
        }
        return s;
    }
    first.body = parseBlock(ctx);
    s->branches.push_back(std::move(first));
    while (at(Tok::KwElseIf)) {
        advance();
        IfBranch b;
        b.cond = parseExpr();
        expect(Tok::KwThen, CompileError::ExpectedThen);
        b.body = parseBlock(ctx);
        s->branches.push_back(std::move(b));
    }
    if (accept(Tok::KwElse))
        s->elseBody = parseBlock(ctx);
    if (!at(Tok::KwEnd))
        fail(CompileError::ExpectedEnd);
    advance();
    expect(Tok::KwIf, CompileError::ExpectedIf);
    return s;
}

// select -> Select Case expr { Case expr { ',' expr } [':'] block } [Case Else block] End Select
ast::StmtPtr Parser::parseSelect(Context &ctx)
{
    auto s = node<SelectStmt>(pos());
    advance();
    expect(Tok::KwCase, CompileError::ExpectedCase);
    s->subject = parseExpr();
    endStatement();
    skipSeparators();
    while (at(Tok::KwCase)) {
        advance();
        if (accept(Tok::KwElse)) {
            s->hasElse = true;
            s->elseBody = parseBlock(ctx);
            break;
        }
        CaseClause c;
        do {
            c.values.push_back(parseExpr());
        } while (accept(Tok::Comma));
        // The first statement may follow the values without ':'.
        c.body = parseBlock(ctx);
        s->cases.push_back(std::move(c));
    }
    if (!at(Tok::KwEnd))
        fail(at(Tok::End) ? CompileError::ExpectedSelect : CompileError::ExpectedCase);
    advance();
    expect(Tok::KwSelect, CompileError::ExpectedSelect);
    return s;
}

// for -> For name '=' expr To expr [Step expr] block Next
//      | For Each name In expr block Next
ast::StmtPtr Parser::parseFor(Context &ctx)
{
    const Pos p = pos();
    advance();
    if (accept(Tok::KwEach)) {
        auto s = node<ForEachStmt>(p);
        if (!at(Tok::Identifier))
            fail(CompileError::ExpectedIdentifier);
        const Pos vp = pos();
        s->var = node<NameExpr>(vp, advance().text);
        expect(Tok::KwIn, CompileError::ExpectedIn);
        s->collection = parseExpr();
        endStatement();
        ++ctx.forDepth;
        s->body = parseBlock(ctx);
        --ctx.forDepth;
        expect(Tok::KwNext, CompileError::ExpectedNext);
        return s;
    }
    auto s = node<ForStmt>(p);
    if (!at(Tok::Identifier))
        fail(CompileError::ExpectedIdentifier);
    const Pos vp = pos();
    s->var = node<NameExpr>(vp, advance().text);
    expect(Tok::Eq, CompileError::ExpectedEquals);
    s->from = parseExpr();
    expect(Tok::KwTo, CompileError::ExpectedTo);
    s->to = parseExpr();
    if (atWord(u"Step")) {
        advance();
        s->step = parseExpr();
    }
    endStatement();
    ++ctx.forDepth;
    s->body = parseBlock(ctx);
    --ctx.forDepth;
    expect(Tok::KwNext, CompileError::ExpectedNext);
    return s;
}

// do -> Do [(While|Until) expr] block Loop [(While|Until) expr]
ast::StmtPtr Parser::parseDo(Context &ctx)
{
    auto s = node<DoStmt>(pos());
    advance();
    if (at(Tok::KwWhile) || at(Tok::KwUntil)) {
        s->test = DoStmt::Test::Before;
        s->until = at(Tok::KwUntil);
        advance();
        s->cond = parseExpr();
    }
    if (!atStatementEnd())
        fail(CompileError::ExpectedWhileUntilOrEndOfStatement);
    ++ctx.doDepth;
    s->body = parseBlock(ctx);
    --ctx.doDepth;
    expect(Tok::KwLoop, CompileError::ExpectedLoop);
    if (at(Tok::KwWhile) || at(Tok::KwUntil)) {
        if (s->test != DoStmt::Test::None)
            fail(CompileError::ExpectedEndOfStatement);
        s->test = DoStmt::Test::After;
        s->until = at(Tok::KwUntil);
        advance();
        s->cond = parseExpr();
    }
    if (!atStatementEnd() && !at(Tok::KwElse))
        fail(CompileError::ExpectedWhileUntilOrEndOfStatement);
    return s;
}

// while -> While expr block Wend
ast::StmtPtr Parser::parseWhile(Context &ctx)
{
    auto s = node<DoStmt>(pos());
    advance();
    s->test = DoStmt::Test::Before;
    s->cond = parseExpr();
    endStatement();
    // Exit Do does not leave a While loop; it is not a Do.
    s->body = parseBlock(ctx);
    expect(Tok::KwWend, CompileError::ExpectedWend);
    s->until = false;
    s->isWhileWend = true;
    return s;
}

// with -> With expr block End With
ast::StmtPtr Parser::parseWith(Context &ctx)
{
    auto s = node<WithStmt>(pos());
    advance();
    s->object = parseExpr();
    endStatement();
    s->body = parseBlock(ctx);
    expectEnd(Tok::KwWith, CompileError::ExpectedWith);
    return s;
}

// exit -> Exit (Do | For | Function | Sub | Property)
ast::StmtPtr Parser::parseExit(Context &ctx)
{
    const Pos p = pos();
    advance();
    ExitKind what;
    bool ok;
    switch (kind()) {
    case Tok::KwDo: what = ExitKind::Do; ok = ctx.doDepth > 0; break;
    case Tok::KwFor: what = ExitKind::For; ok = ctx.forDepth > 0; break;
    case Tok::KwFunction:
        what = ExitKind::Function;
        ok = ctx.scope == Scope::Procedure && ctx.procKind == ProcKind::Function;
        break;
    case Tok::KwSub:
        what = ExitKind::Sub;
        ok = ctx.scope == Scope::Procedure && ctx.procKind == ProcKind::Sub;
        break;
    case Tok::KwProperty:
        what = ExitKind::Property;
        ok = ctx.scope == Scope::Procedure && ctx.procKind != ProcKind::Sub && ctx.procKind != ProcKind::Function;
        break;
    default: fail(CompileError::SyntaxError);
    }
    if (!ok)
        failAt(CompileError::InvalidExit, m_tokens[m_pos - 1]);
    advance();
    return node<ExitStmt>(p, what);
}

// onerror -> On Error (Resume Next | GoTo 0)
ast::StmtPtr Parser::parseOnError()
{
    const Pos p = pos();
    advance();
    expectWord(u"Error", CompileError::SyntaxError);
    if (atWord(u"Resume")) {
        advance();
        expect(Tok::KwNext, CompileError::SyntaxError);
        return node<OnErrorStmt>(p, true);
    }
    expect(Tok::KwGoTo, CompileError::SyntaxError);
    if (!at(Tok::Integer) || peek().number != 0)
        fail(CompileError::SyntaxError);
    advance();
    return node<OnErrorStmt>(p, false);
}

// dim -> (Dim | Public | Private) name [bounds] { ',' name [bounds] }
ast::StmtPtr Parser::parseDim(Pos at)
{
    auto s = node<DimStmt>(at);
    if (this->at(Tok::KwDim))
        advance();
    do {
        VarDecl v;
        v.pos = pos();
        v.name = expectName();
        v.dims = parseDimBounds(v.hasDims);
        s->vars.push_back(std::move(v));
    } while (accept(Tok::Comma));
    return s;
}

// redim -> ReDim [Preserve] name '(' expr { ',' expr } ')' { ',' ... }
ast::StmtPtr Parser::parseReDim()
{
    auto s = node<ReDimStmt>(pos());
    advance();
    if (atWord(u"Preserve")) {
        advance();
        s->preserve = true;
    }
    do {
        ReDimItem item;
        const Pos p = pos();
        item.target = node<NameExpr>(p, expectName());
        expect(Tok::LParen, CompileError::ExpectedOpenParenthesis);
        do {
            item.dims.push_back(parseExpr());
        } while (accept(Tok::Comma));
        expect(Tok::RParen, CompileError::ExpectedCloseParenthesis);
        s->items.push_back(std::move(item));
    } while (accept(Tok::Comma));
    return s;
}

// erase -> Erase name { ',' name }
ast::StmtPtr Parser::parseErase()
{
    auto s = node<EraseStmt>(pos());
    advance();
    do {
        const Pos p = pos();
        s->targets.push_back(node<NameExpr>(p, expectName()));
    } while (accept(Tok::Comma));
    return s;
}

// const -> Const name '=' literal { ',' name '=' literal }
ast::StmtPtr Parser::parseConst(Pos at)
{
    auto s = node<ConstStmt>(at);
    expect(Tok::KwConst, CompileError::SyntaxError);
    do {
        ConstItem item;
        item.pos = pos();
        item.name = expectName();
        expect(Tok::Eq, CompileError::ExpectedEquals);
        item.value = parseConstValue();
        s->items.push_back(std::move(item));
    } while (accept(Tok::Comma));
    return s;
}

} // namespace vbs
