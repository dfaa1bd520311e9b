// Procedures, classes and the constant parts of declarations.
#include "errors.h"
#include "parser.h"
#include "text.h"

namespace vbs {

using namespace ast;

// bounds -> [ '(' [ integer { ',' integer } ] ')' ]
std::vector<std::int32_t> Parser::parseDimBounds(bool &hasDims)
{
    std::vector<std::int32_t> dims;
    hasDims = false;
    if (!accept(Tok::LParen))
        return dims;
    hasDims = true;
    if (accept(Tok::RParen))
        return dims;
    do {
        if (!at(Tok::Integer))
            fail(CompileError::ExpectedIntegerConstant);
        const double v = advance().number;
        if (v < 0)
            fail(CompileError::ExpectedIntegerConstant);
        dims.push_back(static_cast<std::int32_t>(v));
    } while (accept(Tok::Comma));
    expect(Tok::RParen, CompileError::ExpectedCloseParenthesis);
    return dims;
}

// literal -> ['-' | '+'] number | string | date | True | False | Empty | Null | Nothing
//          | '(' literal ')'
Variant Parser::parseConstValue()
{
    if (accept(Tok::LParen)) {
        Variant v = parseConstValue();
        expect(Tok::RParen, CompileError::ExpectedCloseParenthesis);
        return v;
    }
    bool negative = false;
    if (at(Tok::Minus) || at(Tok::Plus)) {
        negative = at(Tok::Minus);
        advance();
        if (!at(Tok::Integer) && !at(Tok::Float))
            fail(CompileError::ExpectedLiteralConstant);
    }
    const Token &t = peek();
    switch (t.kind) {
    case Tok::Integer: {
        advance();
        const double v = negative ? -t.number : t.number;
        if (v >= -32768 && v <= 32767)
            return Variant::fromInteger(static_cast<std::int16_t>(v));
        return Variant::fromLong(static_cast<std::int32_t>(v));
    }
    case Tok::Float: advance(); return Variant::fromDouble(negative ? -t.number : t.number);
    case Tok::String: advance(); return Variant(t.text);
    case Tok::Date: advance(); return Variant::fromDate(t.number);
    case Tok::KwTrue: advance(); return Variant::fromBool(true);
    case Tok::KwFalse: advance(); return Variant::fromBool(false);
    case Tok::KwEmpty: advance(); return Variant();
    case Tok::KwNull: advance(); return Variant::null();
    case Tok::KwNothing: advance(); return Variant::nothing();
    default: fail(CompileError::ExpectedLiteralConstant);
    }
}

// params -> [ '(' [ param { ',' param } ] ')' ]
// param  -> [ByVal | ByRef] name ['(' ')']
void Parser::parseParams(ProcDecl &proc)
{
    if (!accept(Tok::LParen))
        return;
    if (accept(Tok::RParen))
        return;
    do {
        Param p;
        if (accept(Tok::KwByVal))
            p.byVal = true;
        else
            accept(Tok::KwByRef);
        p.pos = pos();
        p.name = expectName();
        if (accept(Tok::LParen)) {
            expect(Tok::RParen, CompileError::ExpectedCloseParenthesis);
            p.isArray = true;
        }
        proc.params.push_back(std::move(p));
    } while (accept(Tok::Comma));
    expect(Tok::RParen, CompileError::ExpectedCloseParenthesis);
}

// procedure -> (Sub | Function) name params [':'] block End (Sub | Function)
//            | Property (Get | Let | Set) name params block End Property
std::unique_ptr<ProcDecl> Parser::parseProcedure(bool inClass, bool isPublic, bool isDefault)
{
    auto proc = node<ProcDecl>();
    proc->pos = pos();
    proc->isPublic = isPublic;
    proc->isDefault = isDefault;
    Tok endWord;
    CompileError endError;
    if (accept(Tok::KwSub)) {
        proc->kind = ProcKind::Sub;
        endWord = Tok::KwSub;
        endError = CompileError::ExpectedSub;
    } else if (accept(Tok::KwFunction)) {
        proc->kind = ProcKind::Function;
        endWord = Tok::KwFunction;
        endError = CompileError::ExpectedFunction;
    } else {
        expect(Tok::KwProperty, CompileError::SyntaxError);
        if (!inClass)
            failAt(CompileError::MustBeInsideClass, m_tokens[m_pos - 1]);
        if (atWord(u"Get"))
            proc->kind = ProcKind::PropertyGet;
        else if (at(Tok::KwLet))
            proc->kind = ProcKind::PropertyLet;
        else if (at(Tok::KwSet))
            proc->kind = ProcKind::PropertySet;
        else
            fail(CompileError::ExpectedLetSetOrGet);
        advance();
        endWord = Tok::KwProperty;
        endError = CompileError::ExpectedProperty;
    }
    if (isDefault && proc->kind != ProcKind::PropertyGet && proc->kind != ProcKind::Function &&
        proc->kind != ProcKind::Sub)
        fail(CompileError::DefaultNotOnPropertyGet);
    proc->name = expectName();
    parseParams(*proc);
    if ((proc->kind == ProcKind::PropertyLet || proc->kind == ProcKind::PropertySet) && proc->params.empty())
        failAt(CompileError::PropertyWithoutArgument, m_tokens[m_pos - 1]);
    if (inClass && proc->kind == ProcKind::Sub && !proc->params.empty() &&
        (equalsNoCase(proc->name, u"Class_Initialize") || equalsNoCase(proc->name, u"Class_Terminate")))
        fail(CompileError::ClassEventWithArguments);
    // The body may start on the header's line, with or without ':'.
    Context ctx;
    ctx.scope = Scope::Procedure;
    ctx.procKind = proc->kind;
    proc->body = parseBlock(ctx);
    if (at(Tok::KwLoop))
        fail(CompileError::LoopWithoutDo);
    if (at(Tok::KwNext))
        fail(CompileError::UnexpectedNext);
    if (!at(Tok::KwEnd))
        fail(CompileError::ExpectedEnd);
    advance();
    if (!accept(endWord))
        fail(endError);
    endStatement();
    return proc;
}

// class -> Class name { member } End Class
// member -> (Dim | Public | Private) name [bounds] { ',' ... }
//         | [Public [Default] | Private] procedure
std::unique_ptr<ClassDecl> Parser::parseClass()
{
    auto cls = node<ClassDecl>();
    cls->pos = pos();
    advance();
    cls->name = expectName();
    endStatement();
    while (true) {
        skipSeparators();
        if (at(Tok::KwEnd)) {
            advance();
            expect(Tok::KwClass, CompileError::ExpectedClass);
            endStatement();
            return cls;
        }
        if (at(Tok::End))
            fail(CompileError::ExpectedClass);
        bool isPublic = true, isDefault = false, explicitAccess = false;
        if (at(Tok::KwPublic) || at(Tok::KwPrivate)) {
            isPublic = at(Tok::KwPublic);
            explicitAccess = true;
            advance();
            if (atWord(u"Default")) {
                if (!isPublic)
                    fail(CompileError::DefaultWithoutPublic);
                advance();
                isDefault = true;
                if (!at(Tok::KwSub) && !at(Tok::KwFunction) && !at(Tok::KwProperty))
                    fail(CompileError::DefaultOnWrongMember);
            }
        } else if (atWord(u"Default")) {
            fail(CompileError::DefaultWithoutPublic);
        }
        if (at(Tok::KwSub) || at(Tok::KwFunction) || at(Tok::KwProperty)) {
            auto proc = parseProcedure(true, isPublic, isDefault);
            proc->owner = cls.get();
            cls->procs.push_back(std::move(proc));
            continue;
        }
        if (at(Tok::KwDim) || explicitAccess) {
            accept(Tok::KwDim);
            do {
                FieldDecl f;
                f.pos = pos();
                f.isPublic = isPublic;
                f.name = expectName();
                f.dims = parseDimBounds(f.hasDims);
                cls->fields.push_back(std::move(f));
            } while (accept(Tok::Comma));
            endStatement();
            continue;
        }
        fail(CompileError::ExpectedStatement);
    }
}

} // namespace vbs
