// Expressions: precedence climbing over the ladder in ast::Prec.
#include "errors.h"
#include "parser.h"

namespace vbs {

using namespace ast;

namespace {

struct InfixOp
{
    Prec prec;
    BinOp op;
};

bool infixOf(Tok t, InfixOp &out)
{
    switch (t) {
    case Tok::KwImp: out = {Prec::Imp, BinOp::Imp}; return true;
    case Tok::KwEqv: out = {Prec::Eqv, BinOp::Eqv}; return true;
    case Tok::KwXor: out = {Prec::Xor, BinOp::Xor}; return true;
    case Tok::KwOr: out = {Prec::Or, BinOp::Or}; return true;
    case Tok::KwAnd: out = {Prec::And, BinOp::And}; return true;
    case Tok::Eq: out = {Prec::Compare, BinOp::Eq}; return true;
    case Tok::Ne: out = {Prec::Compare, BinOp::Ne}; return true;
    case Tok::Lt: out = {Prec::Compare, BinOp::Lt}; return true;
    case Tok::Gt: out = {Prec::Compare, BinOp::Gt}; return true;
    case Tok::Le: out = {Prec::Compare, BinOp::Le}; return true;
    case Tok::Ge: out = {Prec::Compare, BinOp::Ge}; return true;
    case Tok::KwIs: out = {Prec::Compare, BinOp::Is}; return true;
    case Tok::Amp: out = {Prec::Concat, BinOp::Concat}; return true;
    case Tok::Plus: out = {Prec::Additive, BinOp::Add}; return true;
    case Tok::Minus: out = {Prec::Additive, BinOp::Sub}; return true;
    case Tok::KwMod: out = {Prec::Mod, BinOp::Mod}; return true;
    case Tok::Backslash: out = {Prec::IntDiv, BinOp::IntDiv}; return true;
    case Tok::Star: out = {Prec::Multiplicative, BinOp::Mul}; return true;
    case Tok::Slash: out = {Prec::Multiplicative, BinOp::Div}; return true;
    case Tok::Caret: out = {Prec::Power, BinOp::Pow}; return true;
    default: return false;
    }
}

Prec next(Prec p) { return static_cast<Prec>(static_cast<int>(p) + 1); }

bool isNameToken(const Token &t)
{
    // After a dot any word is a member name, reserved or not.
    return t.kind == Tok::Identifier || (t.kind >= Tok::KwAnd && t.kind <= Tok::KwXor);
}

} // namespace

Parser::DepthGuard::DepthGuard(Parser &p) : parser(p)
{
    if (++parser.m_depth > kMaxDepth)
        parser.fail(CompileError::NestingTooDeep);
}

void Parser::checkDepth(const Expr &e) const
{
    if (e.depth > kMaxDepth)
        fail(CompileError::NestingTooDeep);
}

ExprPtr Parser::makeBinary(Pos p, BinOp op, ExprPtr l, ExprPtr r)
{
    const int d = std::max(l->depth, r->depth) + 1;
    auto e = node<BinaryExpr>(p, op, std::move(l), std::move(r));
    e->depth = d;
    checkDepth(*e);
    return e;
}

// expr -> prefix { infix-op expr(higher) }
ExprPtr Parser::parseExpr(Prec min)
{
    DepthGuard guard(*this);
    return parseInfix(min, parsePrefix());
}

// Every operator is left-associative, so the operators met at this level
// and above apply in turn to what came before: two operands make a
// BinaryExpr, more a flat ChainExpr, which nests no deeper however long.
ExprPtr Parser::parseInfix(Prec min, ExprPtr lhs)
{
    std::vector<ChainLink> links;
    InfixOp op;
    while (infixOf(kind(), op) && op.prec >= min) {
        const Pos p = pos();
        advance();
        links.push_back(ChainLink{op.op, p, parseExpr(next(op.prec))});
    }
    if (links.empty())
        return lhs;
    if (links.size() == 1)
        return makeBinary(links[0].pos, links[0].op, std::move(lhs), std::move(links[0].operand));
    int d = lhs->depth;
    for (const ChainLink &link : links)
        d = std::max(d, link.operand->depth);
    m_pending += links.size() * sizeof(ChainLink);
    auto chain = node<ChainExpr>(links[0].pos, std::move(lhs));
    chain->rest = std::move(links);
    chain->depth = d + 1;
    checkDepth(*chain);
    return chain;
}

// prefix -> Not expr(Not) | - prefix | + prefix | postfix
ExprPtr Parser::parsePrefix()
{
    const Pos p = pos();
    UnOp op;
    Prec operandPrec;
    if (at(Tok::KwNot)) {
        op = UnOp::Not;
        operandPrec = Prec::Not;
    } else if (at(Tok::Minus)) {
        op = UnOp::Neg;
        operandPrec = Prec::Unary;
    } else if (at(Tok::Plus)) {
        op = UnOp::Plus;
        operandPrec = Prec::Unary;
    } else {
        return parsePostfix(parsePrimary());
    }
    advance();
    // '-' and '+' take only their operand ("-3^2" is 9); Not takes an expression.
    DepthGuard guard(*this);
    ExprPtr operand = op == UnOp::Not ? parseExpr(operandPrec) : parsePrefix();
    const int d = operand->depth + 1;
    auto e = node<UnaryExpr>(p, op, std::move(operand));
    e->depth = d;
    checkDepth(*e);
    return e;
}

// postfix -> primary { '.' name | '(' [args] ')' }   ('(' after Me or (expr): its default member)
ExprPtr Parser::parsePostfix(ExprPtr e)
{
    while (true) {
        if (at(Tok::Dot) && !peek().spaceBefore) {
            const Pos p = pos();
            advance();
            if (!isNameToken(peek()))
                fail(CompileError::ExpectedIdentifier);
            std::u16string name = advance().text;
            const int d = e->depth + 1;
            e = node<MemberExpr>(p, std::move(e), std::move(name));
            e->depth = d;
        } else if (at(Tok::LParen)) {
            if (e->kind != ExprKind::Name && e->kind != ExprKind::Member && e->kind != ExprKind::Call &&
                e->kind != ExprKind::With && e->kind != ExprKind::Me && e->kind != ExprKind::Paren)
                return e;
            // "(f)(x)" calls f: parentheses around a callee only group it.
            while (e->kind == ExprKind::Paren)
                e = std::move(static_cast<ParenExpr &>(*e).inner);
            const Pos p = pos();
            advance();
            auto call = node<CallExpr>(p, std::move(e));
            parseArgList(call->args, Tok::RParen);
            expect(Tok::RParen, CompileError::ExpectedCloseParenthesis);
            int d = call->callee->depth;
            for (const ExprPtr &a : call->args)
                if (a)
                    d = std::max(d, a->depth);
            call->depth = d + 1;
            e = std::move(call);
        } else {
            return e;
        }
        checkDepth(*e);
    }
}

// args -> [expr] { ',' [expr] }   (an empty position is an omitted argument)
void Parser::parseArgList(std::vector<ExprPtr> &args, Tok close)
{
    if (at(close))
        return;
    while (true) {
        if (at(Tok::Comma)) {
            args.push_back(nullptr);
        } else {
            args.push_back(parseExpr());
        }
        if (!accept(Tok::Comma))
            break;
        if (at(close) || atStatementEnd())
            args.push_back(nullptr);
    }
}

// primary -> literal | name | '.' name | '(' expr ')' | New name | Me
//          | True | False | Nothing | Empty | Null
ExprPtr Parser::parsePrimary()
{
    const Pos p = pos();
    const Token &t = peek();
    switch (t.kind) {
    case Tok::Integer: {
        advance();
        // -32768 (&H8000) is a Long: an Integer literal is one whose
        // negation is an Integer too.
        const double v = t.number;
        if (v >= -32767 && v <= 32767)
            return node<LiteralExpr>(p, Variant::fromInteger(static_cast<std::int16_t>(v)));
        return node<LiteralExpr>(p, Variant::fromLong(static_cast<std::int32_t>(v)));
    }
    case Tok::Float: advance(); return node<LiteralExpr>(p, Variant::fromDouble(t.number));
    case Tok::String: advance(); return node<LiteralExpr>(p, Variant(t.text));
    case Tok::Date: advance(); return node<LiteralExpr>(p, Variant::fromDate(t.number));
    case Tok::KwTrue: advance(); return node<LiteralExpr>(p, Variant::fromBool(true));
    case Tok::KwFalse: advance(); return node<LiteralExpr>(p, Variant::fromBool(false));
    case Tok::KwNothing: advance(); return node<LiteralExpr>(p, Variant::nothing());
    case Tok::KwEmpty: advance(); return node<LiteralExpr>(p, Variant());
    case Tok::KwNull: advance(); return node<LiteralExpr>(p, Variant::null());
    case Tok::Identifier: {
        std::u16string name = t.text;
        advance();
        return node<NameExpr>(p, std::move(name));
    }
    case Tok::Dot: {
        advance();
        if (!isNameToken(peek()))
            fail(CompileError::ExpectedIdentifier);
        std::u16string name = advance().text;
        auto with = node<WithExpr>(p);
        auto m = node<MemberExpr>(p, std::move(with), std::move(name));
        m->depth = 2;
        return m;
    }
    case Tok::LParen: {
        advance();
        ExprPtr inner = parseExpr();
        expect(Tok::RParen, CompileError::ExpectedCloseParenthesis);
        const int d = inner->depth + 1;
        auto e = node<ParenExpr>(p, std::move(inner));
        e->depth = d;
        return e;
    }
    case Tok::KwNew: {
        advance();
        if (!at(Tok::Identifier))
            fail(CompileError::ExpectedIdentifier);
        std::u16string name = advance().text;
        return node<NewExpr>(p, std::move(name));
    }
    case Tok::KwMe: advance(); return node<MeExpr>(p);
    default: fail(CompileError::ExpectedExpression);
    }
}

ExprPtr Parser::parseStandaloneExpression()
{
    skipSeparators();
    // A statement keyword ("Eval "Dim x"") is no expression at all.
    switch (kind()) {
    case Tok::KwTrue: case Tok::KwFalse: case Tok::KwNothing: case Tok::KwEmpty: case Tok::KwNull:
    case Tok::KwNot: case Tok::KwNew: case Tok::KwMe:
        break;
    default:
        if (kind() >= Tok::KwAnd)
            fail(CompileError::SyntaxError);
    }
    ExprPtr e = parseExpr();
    skipSeparators();
    if (!at(Tok::End))
        fail(CompileError::ExpectedEndOfStatement);
    return e;
}

} // namespace vbs
