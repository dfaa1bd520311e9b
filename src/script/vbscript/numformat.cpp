#include "numformat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vbs {

namespace {

bool resolve(Tristate option, bool localeDefault)
{
    return option == Tristate::UseDefault ? localeDefault : option == Tristate::True;
}

// The magnitude of `value` rounded to `digits` decimals as plain digit
// strings; `negative` is false when the rounded result is zero.
struct Decimal
{
    std::string whole;
    std::string fraction;
    bool negative = false;
};

Decimal toDecimal(double value, int digits)
{
    Decimal d;
    if (!std::isfinite(value) || value == 0.0) {
        d.whole.assign(1, '0');
        d.fraction.assign(static_cast<size_t>(digits), '0');
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf is "d.dddddddddddddde[+-]xx": 15 significant digits.
    std::string mantissa;
    mantissa.push_back(buf[0]);
    const char *p = buf + 2;
    while (*p != 'e')
        mantissa.push_back(*p++);
    const int exponent = std::atoi(p + 1);
    // Digits as a decimal string with the point after position `point`.
    int point = exponent + 1;
    std::string all = mantissa;
    if (point <= 0) {
        all.insert(0, static_cast<size_t>(1 - point), '0');
        point = 1;
    }
    const int needed = point + digits;
    if (static_cast<int>(all.size()) < needed + 1)
        all.append(static_cast<size_t>(needed + 1 - static_cast<int>(all.size())), '0');
    const bool roundUp = all[static_cast<size_t>(needed)] >= '5';
    all.resize(static_cast<size_t>(needed));
    if (roundUp) {
        int i = needed - 1;
        while (i >= 0 && all[static_cast<size_t>(i)] == '9')
            all[static_cast<size_t>(i--)] = '0';
        if (i < 0) {
            all.insert(all.begin(), '1');
            ++point;
        } else {
            ++all[static_cast<size_t>(i)];
        }
    }
    d.whole = all.substr(0, static_cast<size_t>(point));
    d.fraction = all.substr(static_cast<size_t>(point));
    const size_t nonZero = d.whole.find_first_not_of('0');
    d.whole = nonZero == std::string::npos ? std::string(1, '0') : d.whole.substr(nonZero);
    d.negative = value < 0 && (d.whole != "0" || d.fraction.find_first_not_of('0') != std::string::npos);
    return d;
}

// The unsigned number text: grouped whole part, decimal, fraction.
std::u16string digitsText(const Decimal &d, bool leading, bool group, const NumberStyle &style)
{
    std::u16string out;
    if (!(d.whole == "0" && !leading && !d.fraction.empty())) {
        const size_t n = d.whole.size();
        for (size_t i = 0; i < n; ++i) {
            out.push_back(static_cast<char16_t>(d.whole[i]));
            const size_t left = n - 1 - i;
            if (group && style.groupSize > 0 && left > 0 && left % static_cast<size_t>(style.groupSize) == 0)
                out.push_back(style.group);
        }
    }
    if (!d.fraction.empty()) {
        out.push_back(style.decimal);
        for (char c : d.fraction)
            out.push_back(static_cast<char16_t>(c));
    }
    return out;
}

// Fills a currency template: '$' is the symbol, 'n' the number.
std::u16string fillPattern(const char *pattern, const std::u16string &symbol, const std::u16string &number)
{
    std::u16string out;
    for (const char *p = pattern; *p; ++p) {
        if (*p == '$')
            out += symbol;
        else if (*p == 'n')
            out += number;
        else
            out.push_back(static_cast<char16_t>(*p));
    }
    return out;
}

std::u16string negativeNumber(const std::u16string &n, int pattern)
{
    static constexpr const char *patterns[] = {"(n)", "-n", "- n", "n-", "n -"};
    return fillPattern(patterns[pattern < 0 || pattern > 4 ? 1 : pattern], std::u16string(), n);
}

constexpr const char *kCurrencyPositive[] = {"$n", "n$", "$ n", "n $"};
constexpr const char *kCurrencyNegative[] = {"($n)", "-$n",  "$-n",  "$n-",  "(n$)", "-n$",  "n-$",   "n$-",
                                             "-n $", "-$ n", "n $-", "$ n-", "$ -n", "n- $", "($ n)", "(n $)"};

bool parenPattern(int pattern) { return pattern == 0 || pattern == 4 || pattern == 14 || pattern == 15; }

int clampIndex(int value, int size) { return value < 0 || value >= size ? 0 : value; }

std::u16string radixText(std::int64_t value, int bits, unsigned radix)
{
    std::uint64_t u = static_cast<std::uint64_t>(value);
    if (value < 0 && bits < 64)
        u &= (std::uint64_t(1) << bits) - 1;
    static constexpr char digits[] = "0123456789ABCDEF";
    std::u16string out;
    do {
        out.insert(out.begin(), static_cast<char16_t>(digits[u % radix]));
        u /= radix;
    } while (u != 0);
    return out;
}

} // namespace

std::u16string formatNumber(double value, const FormatOptions &options, const NumberStyle &style)
{
    const int digits = options.digits < 0 ? style.digits : options.digits;
    const Decimal d = toDecimal(value, digits);
    const std::u16string text = digitsText(d, resolve(options.leadingDigit, style.leadingZero),
                                           resolve(options.groupDigits, true), style);
    if (!d.negative)
        return text;
    int pattern = style.negativeNumber;
    if (options.parensForNegative == Tristate::True)
        pattern = 0;
    else if (options.parensForNegative == Tristate::False && pattern == 0)
        pattern = 1;
    return negativeNumber(text, pattern);
}

std::u16string formatCurrency(double value, const FormatOptions &options, const NumberStyle &style)
{
    const int digits = options.digits < 0 ? style.currencyDigits : options.digits;
    const Decimal d = toDecimal(value, digits);
    const std::u16string number = digitsText(d, resolve(options.leadingDigit, style.leadingZero),
                                             resolve(options.groupDigits, true), style);
    const int positive = clampIndex(style.currencyPositive, 4);
    if (!d.negative)
        return fillPattern(kCurrencyPositive[positive], style.currency, number);
    int pattern = clampIndex(style.currencyNegative, 16);
    if (options.parensForNegative == Tristate::True && !parenPattern(pattern)) {
        static constexpr int withParens[] = {0, 4, 14, 15};
        pattern = withParens[positive];
    } else if (options.parensForNegative == Tristate::False && parenPattern(pattern)) {
        static constexpr int withMinus[] = {1, 5, 9, 8};
        pattern = withMinus[positive];
    }
    return fillPattern(kCurrencyNegative[pattern], style.currency, number);
}

std::u16string formatPercent(double value, const FormatOptions &options, const NumberStyle &style)
{
    const int digits = options.digits < 0 ? style.digits : options.digits;
    const Decimal d = toDecimal(value * 100.0, digits);
    std::u16string text = digitsText(d, resolve(options.leadingDigit, style.leadingZero),
                                     resolve(options.groupDigits, true), style);
    text.push_back(u'%');
    if (!d.negative)
        return text;
    int pattern = style.negativeNumber;
    if (options.parensForNegative == Tristate::True)
        pattern = 0;
    else if (options.parensForNegative == Tristate::False && pattern == 0)
        pattern = 1;
    return negativeNumber(text, pattern);
}

std::u16string hexText(std::int64_t value, int bits) { return radixText(value, bits, 16); }

std::u16string octText(std::int64_t value, int bits) { return radixText(value, bits, 8); }

double roundToDigits(double value, int digits)
{
    if (!std::isfinite(value))
        return value;
    if (digits <= 0)
        return std::nearbyint(value);
    const double scale = std::pow(10.0, digits);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9007199254740992.0)
        return value;
    return std::nearbyint(scaled) / scale;
}

} // namespace vbs
