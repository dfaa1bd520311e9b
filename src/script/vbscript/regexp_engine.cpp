#define PCRE2_CODE_UNIT_WIDTH 16
#include "regexp_engine.h"

#include "runguard.h"
#include "textbuilder.h"

#include <pcre2.h>

#include <algorithm>
#include <atomic>

namespace vbs {

namespace {

std::atomic<std::uint32_t> g_matchLimit{5'000'000};
std::atomic<std::uint32_t> g_depthLimit{50'000};
constexpr std::uint32_t kHeapLimitKiB = 64 * 1024;

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// No lone surrogate: the library may match it without checking it again.
bool validUtf16(const std::u16string &s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (c >= 0xDC00 || i + 1 == s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF)
                return false;
            ++i;
        }
    }
    work(s.size());
    return true;
}
bool isOctal(char16_t c) { return c >= u'0' && c <= u'7'; }
bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// \xhh or \uhhhh, the escapes PCRE2 reads in its JavaScript-compatible mode.
void appendHexEscape(std::u16string &out, unsigned value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const int width = value < 0x100 ? 2 : 4;
    out.push_back(u'\\');
    out.push_back(width == 2 ? u'x' : u'u');
    for (int shift = (width - 1) * 4; shift >= 0; shift -= 4)
        out.push_back(static_cast<char16_t>(digits[(value >> shift) & 0xF]));
}

// Capturing groups of a pattern: every '(' outside a class that is not '(?'.
std::size_t countGroups(const std::u16string &p)
{
    std::size_t groups = 0;
    bool inClass = false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char16_t c = p[i];
        if (c == u'\\') {
            ++i;
        } else if (inClass) {
            inClass = c != u']';
        } else if (c == u'[') {
            inClass = true;
            if (i + 1 < p.size() && p[i + 1] == u'^')
                ++i;
            if (i + 1 < p.size() && p[i + 1] == u']')
                ++i;
        } else if (c == u'(' && (i + 1 >= p.size() || p[i + 1] != u'?')) {
            ++groups;
        }
    }
    return groups;
}

// An escape other than a back reference: `i` is at the character after '\'.
void translateEscape(const std::u16string &p, std::size_t &i, std::u16string &out, bool inClass)
{
    const char16_t c = p[i];
    if (c == u'v') {
        appendHexEscape(out, 0x0B); // PCRE2's \v is a class of vertical space
    } else if (isOctal(c) && (c == u'0' || inClass)) {
        unsigned value = 0;
        std::size_t n = 0;
        while (n < 3 && i < p.size() && isOctal(p[i]) && value * 8 + (p[i] - u'0') <= 0377) {
            value = value * 8 + (p[i++] - u'0');
            ++n;
        }
        --i;
        appendHexEscape(out, value);
    } else if (isAsciiLetter(c)) {
        static constexpr std::u16string_view known = u"bBdDwWsSfnrtcxu";
        if (known.find(c) != std::u16string_view::npos && !(inClass && c == u'B')) {
            out.push_back(u'\\');
            out.push_back(c);
        } else {
            out.push_back(c); // an identity escape: the letter itself
        }
    } else {
        out.push_back(u'\\');
        out.push_back(c);
    }
}

} // namespace

std::u16string translatePattern(const std::u16string &p)
{
    const std::size_t groups = countGroups(p);
    std::u16string out;
    out.reserve(p.size() + 8);
    bool inClass = false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char16_t c = p[i];
        if (c == u'\\') {
            if (i + 1 >= p.size()) {
                out += u"\\\\"; // a trailing backslash stands for itself
                break;
            }
            ++i;
            if (!inClass && isDigit(p[i]) && p[i] != u'0') {
                std::size_t j = i;
                unsigned long n = 0;
                while (j < p.size() && isDigit(p[j]) && n < 100000)
                    n = n * 10 + (p[j++] - u'0');
                if (n <= groups) {
                    out += u"\\g{" + std::u16string(p.begin() + static_cast<std::ptrdiff_t>(i),
                                                    p.begin() + static_cast<std::ptrdiff_t>(j)) + u"}";
                    i = j - 1;
                } else if (isOctal(p[i])) {
                    translateEscape(p, i, out, true); // octal escape
                } else {
                    out.push_back(p[i]); // \8, \9: the digit itself
                }
                continue;
            }
            translateEscape(p, i, out, inClass);
        } else if (inClass) {
            if (c == u'[')
                out += u"\\[";
            else
                out.push_back(c);
            if (c == u']')
                inClass = false;
        } else if (c == u'[') {
            if (p.compare(i, 2, u"[]") == 0) {
                out += u"(?!)";
                i += 1;
            } else if (p.compare(i, 3, u"[^]") == 0) {
                out += u"[\\s\\S]";
                i += 2;
            } else {
                inClass = true;
                out.push_back(c);
                if (i + 1 < p.size() && p[i + 1] == u'^')
                    out.push_back(p[++i]);
            }
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// Two compiled forms: `code` for valid UTF-16, matched without the library
// checking the subject again on every call (which made a global search
// quadratic), and `lenient`, made when first needed, for text holding lone
// surrogates.
struct Regex::Impl
{
    pcre2_code *code = nullptr;
    pcre2_code *lenient = nullptr;
    std::u16string translated;
    std::uint32_t flags = 0;

    ~Impl()
    {
        if (code)
            pcre2_code_free(code);
        if (lenient)
            pcre2_code_free(lenient);
    }

    pcre2_code *compile(std::uint32_t extra, int &error) const
    {
        pcre2_compile_context *context = pcre2_compile_context_create(nullptr);
        if (!context)
            throw std::bad_alloc();
        pcre2_set_newline(context, PCRE2_NEWLINE_ANYCRLF);
        PCRE2_SIZE offset = 0;
        pcre2_code *compiled = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated.data()), translated.size(),
                                             flags | extra, &error, &offset, context);
        pcre2_compile_context_free(context);
        return compiled;
    }
};

namespace {

RegexError compileError(int code)
{
    switch (code) {
    case PCRE2_ERROR_MISSING_SQUARE_BRACKET: return {RuntimeError::RegExpExpectedBracket};
    case PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS: return {RuntimeError::RegExpExpectedParenthesis};
    case PCRE2_ERROR_QUANTIFIER_INVALID:
    case PCRE2_ERROR_QUANTIFIER_OUT_OF_ORDER: return {RuntimeError::RegExpUnexpectedQuantifier};
    case PCRE2_ERROR_CLASS_RANGE_ORDER: return {RuntimeError::RegExpInvalidRange};
    default: return {RuntimeError::RegExpSyntax};
    }
}

} // namespace

// Called where each attempt at a starting position begins (the (?C1) in
// front of every pattern): counts the attempt as work, as much as the text
// it may scan (so over a long text every attempt polls the deadline), and
// ends the match once the run must stop. It may not throw through the
// matcher's C code.
int atStart(pcre2_callout_block *block, void *)
{
    const std::size_t ahead = block->subject_length - block->start_match;
    return workExpired(std::clamp<std::size_t>(ahead, 64, 1 << 16)) ? PCRE2_ERROR_CALLOUT : 0;
}

Regex::Regex(const std::u16string &pattern, RegexOptions options) : m_impl(std::make_unique<Impl>())
{
    m_impl->translated = u"(?C1)(?:" + translatePattern(pattern) + u")";
    std::uint32_t flags = PCRE2_UTF | PCRE2_ALT_BSUX;
    flags |= options.multiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
    if (options.ignoreCase)
        flags |= PCRE2_CASELESS;
    m_impl->flags = flags;
    int code = 0;
    m_impl->code = m_impl->compile(0, code);
    if (!m_impl->code) {
        m_error = compileError(code);
        return;
    }
    std::uint32_t count = 0;
    pcre2_pattern_info(m_impl->code, PCRE2_INFO_CAPTURECOUNT, &count);
    m_groups = count;
}

Regex::~Regex() = default;

void Regex::setLimits(std::uint32_t matchLimit, std::uint32_t depthLimit)
{
    g_matchLimit = matchLimit;
    g_depthLimit = depthLimit;
}

// One run of searches over a subject: the match data and the limits made once.
// A match is looked at in place (offsets into the subject) and copied out
// only when kept, after its cost was charged.
struct Regex::Scan
{
    Scan(const Regex &re, const std::u16string &subject)
        : re(re), subject(subject), data(pcre2_match_data_create_from_pattern(re.m_impl->code, nullptr), pcre2_match_data_free),
          context(pcre2_match_context_create(nullptr), pcre2_match_context_free)
    {
        if (!data || !context)
            throw std::bad_alloc();
        pcre2_set_match_limit(context.get(), g_matchLimit.load());
        pcre2_set_depth_limit(context.get(), g_depthLimit.load());
        pcre2_set_heap_limit(context.get(), kHeapLimitKiB);
        pcre2_set_callout(context.get(), atStart, nullptr);
        if (validUtf16(subject)) {
            code = re.m_impl->code;
            options = PCRE2_NO_UTF_CHECK;
        } else {
            int error = 0;
            if (!re.m_impl->lenient)
                re.m_impl->lenient = re.m_impl->compile(PCRE2_MATCH_INVALID_UTF, error);
            if (!re.m_impl->lenient)
                throw std::bad_alloc();
            code = re.m_impl->lenient;
        }
    }

    // The next match at or after `start`; false when there is none.
    bool find(std::size_t start)
    {
        if (start > subject.size())
            return false;
        rc = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), start, options, data.get(),
                         context.get());
        if (rc == PCRE2_ERROR_CALLOUT && RunGuard::current())
            RunGuard::current()->interrupt();
        if (rc == PCRE2_ERROR_NOMATCH)
            return false;
        if (rc < 0)
            throw RegexError{RuntimeError::OutOfStackSpace};
        ov = pcre2_get_ovector_pointer(data.get());
        return true;
    }

    std::size_t begin() const { return ov[0]; }
    std::size_t end() const { return ov[1]; }
    // Group n of the match (0: the whole of it); empty when it took no part.
    std::optional<std::u16string_view> group(std::size_t n) const
    {
        if (n >= static_cast<std::size_t>(rc) || ov[2 * n] == PCRE2_UNSET)
            return std::nullopt;
        return std::u16string_view(subject).substr(ov[2 * n], ov[2 * n + 1] - ov[2 * n]);
    }

    // What take() makes, with the Match object that will show it.
    std::size_t cost() const
    {
        std::size_t bytes = sizeof(RegexMatch) + 96 + (end() - begin()) * sizeof(char16_t);
        for (std::size_t g = 1; g <= re.m_groups; ++g)
            bytes += sizeof(std::optional<std::u16string>) + (group(g) ? group(g)->size() * sizeof(char16_t) : 0);
        return bytes;
    }

    RegexMatch take() const
    {
        RegexMatch m;
        m.index = begin();
        m.value = subject.substr(begin(), end() - begin());
        for (std::size_t g = 1; g <= re.m_groups; ++g) {
            if (const auto text = group(g))
                m.groups.emplace_back(std::u16string(*text));
            else
                m.groups.emplace_back(std::nullopt);
        }
        return m;
    }

    const Regex &re;
    const std::u16string &subject;
    std::unique_ptr<pcre2_match_data, void (*)(pcre2_match_data *)> data;
    std::unique_ptr<pcre2_match_context, void (*)(pcre2_match_context *)> context;
    pcre2_code *code = nullptr;
    std::uint32_t options = 0;
    int rc = 0;
    const PCRE2_SIZE *ov = nullptr;
};

std::optional<RegexMatch> Regex::search(const std::u16string &subject, std::size_t start) const
{
    if (m_error)
        throw *m_error;
    Scan scan(*this, subject);
    if (!scan.find(start))
        return std::nullopt;
    return scan.take();
}

std::vector<RegexMatch> Regex::matches(const std::u16string &subject, bool global, Reservation *memory) const
{
    if (m_error)
        throw *m_error;
    Scan scan(*this, subject);
    std::vector<RegexMatch> out;
    std::size_t start = 0;
    while (scan.find(start)) {
        work(scan.end() - start + 1);
        start = scan.end() == scan.begin() ? scan.end() + 1 : scan.end();
        if (memory)
            memory->grow(scan.cost() + (out.size() == out.capacity() ? out.capacity() * sizeof(RegexMatch) : 0));
        out.push_back(scan.take());
        if (!global)
            break;
    }
    return out;
}

namespace {

// Expands one replacement for the match `scan` holds.
void expand(TextBuilder &out, const std::u16string &replacement, const Regex::Scan &scan, std::size_t groups)
{
    const std::u16string_view subject = scan.subject;
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char16_t c = replacement[i];
        if (c != u'$' || i + 1 >= replacement.size()) {
            out.push_back(c);
            continue;
        }
        const char16_t n = replacement[i + 1];
        if (n == u'$') {
            out.push_back(u'$');
            ++i;
        } else if (n == u'&') {
            out.append(*scan.group(0));
            ++i;
        } else if (n == u'`') {
            out.append(subject.substr(0, scan.begin()));
            ++i;
        } else if (n == u'\'') {
            out.append(subject.substr(scan.end()));
            ++i;
        } else if (isDigit(n)) {
            std::size_t number = n - u'0';
            std::size_t used = 1;
            if (i + 2 < replacement.size() && isDigit(replacement[i + 2])) {
                const std::size_t two = number * 10 + (replacement[i + 2] - u'0');
                if (two >= 1 && two <= groups) {
                    number = two;
                    used = 2;
                }
            }
            if (number >= 1 && number <= groups) {
                if (const auto text = scan.group(number))
                    out.append(*text);
                i += used;
            } else {
                out.push_back(c);
            }
        } else {
            out.push_back(c);
        }
    }
}

} // namespace

void Regex::replace(TextBuilder &out, const std::u16string &subject, const std::u16string &replacement,
                    bool global) const
{
    if (m_error)
        throw *m_error;
    Scan scan(*this, subject);
    std::size_t copied = 0, start = 0;
    while (scan.find(start)) {
        out.append(std::u16string_view(subject).substr(copied, scan.begin() - copied));
        expand(out, replacement, scan, m_groups);
        copied = scan.end();
        work(copied - start + 1);
        start = scan.end() == scan.begin() ? copied + 1 : copied;
        if (!global)
            break;
    }
    out.append(std::u16string_view(subject).substr(copied));
}

} // namespace vbs
