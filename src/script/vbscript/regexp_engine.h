#pragma once

// Regular expressions with VBScript's syntax and semantics, on PCRE2's
// 16-bit library so subjects are matched as the UTF-16 text they are.
// Catastrophic backtracking ends with an error (see RegexError) rather than
// a hang: matching runs under a match limit and a depth limit. Those limits
// hold for one starting position; across positions the matcher polls the
// run's deadline (18 past it), so a global search over a long text that is
// quadratic in effect still stops in time. Matches and replacements are
// charged to the run's budget as they are made (7 past it).

#include "budget.h"
#include "errors.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vbs {

struct RegexOptions
{
    bool ignoreCase = false;
    bool multiline = false;
};

// A pattern that does not compile (5017 "Syntax error in regular
// expression" and its relatives 5018..5021) or a match that passed the
// limits (28 "Out of stack space").
struct RegexError
{
    RuntimeError number = RuntimeError::RegExpSyntax;
};

struct RegexMatch
{
    std::size_t index = 0;  // FirstIndex: 0-based, in UTF-16 units
    std::u16string value;
    std::vector<std::optional<std::u16string>> groups; // SubMatches; empty optional for a group that took no part
};

class TextBuilder;

class Regex
{
public:
    // Compiles `pattern`; failures come back through error().
    Regex(const std::u16string &pattern, RegexOptions options);
    ~Regex();
    Regex(const Regex &) = delete;
    Regex &operator=(const Regex &) = delete;

    // Empty when the pattern compiled.
    const std::optional<RegexError> &error() const { return m_error; }
    std::size_t groupCount() const { return m_groups; }

    // Searches from `start`; an empty optional when nothing matches. Throws
    // RegexError when the pattern did not compile or a limit was hit.
    std::optional<RegexMatch> search(const std::u16string &subject, std::size_t start) const;
    // Every match (global) or the first one, advancing past empty matches;
    // `memory`, when given, is charged matchCost() for each.
    std::vector<RegexMatch> matches(const std::u16string &subject, bool global, Reservation *memory = nullptr) const;
    // Replace: `$1`..`$99`, `$&`, `` $` ``, `$'` and `$$` in `replacement`,
    // the result appended to `out` (which holds it to the budget and the
    // string length limit).
    void replace(TextBuilder &out, const std::u16string &subject, const std::u16string &replacement,
                 bool global) const;

    // Limits for one search (defaults suit scripts; tests may lower them).
    static void setLimits(std::uint32_t matchLimit, std::uint32_t depthLimit);

    struct Scan; // one search after the other over one subject

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    std::optional<RegexError> m_error;
    std::size_t m_groups = 0;
};

// The pattern rewritten from VBScript's dialect into PCRE2's: `[]` and `[^]`,
// back references to groups that do not exist (octal escapes in VBScript),
// and the like. Exposed for tests.
std::u16string translatePattern(const std::u16string &pattern);

} // namespace vbs
