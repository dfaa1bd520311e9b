#pragma once

// The number-formatting cores behind FormatNumber, FormatCurrency,
// FormatPercent, Hex, Oct and Round. They work on plain doubles and a
// description of the locale's number style; the built-ins coerce arguments
// and raise errors.

#include <cstdint>
#include <string>

namespace vbs {

// How a locale writes numbers and money (the fields of the system's number
// and currency settings).
struct NumberStyle
{
    char16_t decimal = u'.';
    char16_t group = u',';
    int groupSize = 3;           // digits per group, 0 for no grouping
    int digits = 2;              // default digits after the decimal
    bool leadingZero = true;     // "0.5" rather than ".5"
    int negativeNumber = 1;      // 0 "(1.1)", 1 "-1.1", 2 "- 1.1", 3 "1.1-", 4 "1.1 -"
    std::u16string currency = u"$";
    int currencyDigits = 2;
    int currencyPositive = 0;    // 0 "$1.1", 1 "1.1$", 2 "$ 1.1", 3 "1.1 $"
    int currencyNegative = 0;    // 0..15, the system's negative currency patterns
};

// vbUseDefault, vbTrue, vbFalse: an option that may defer to the locale.
enum class Tristate { UseDefault = -2, True = -1, False = 0 };

struct FormatOptions
{
    int digits = -1; // -1: the locale's default
    Tristate leadingDigit = Tristate::UseDefault;
    Tristate parensForNegative = Tristate::UseDefault;
    Tristate groupDigits = Tristate::UseDefault;
};

// Rounds `value` to `digits` decimals, halves away from zero, on its
// 15-significant-digit decimal form (so 1.005 gives "1.01" as a user reads
// it), and writes it with the locale's separators. Never fails.
std::u16string formatNumber(double value, const FormatOptions &options, const NumberStyle &style);
std::u16string formatCurrency(double value, const FormatOptions &options, const NumberStyle &style);
// The value times 100 with a percent sign.
std::u16string formatPercent(double value, const FormatOptions &options, const NumberStyle &style);

// Hex and Oct of an integer; a negative value is written in two's
// complement over `bits` (16 for Integer and Byte values, 32 for Long), so
// Hex(-1) is "FFFF" for an Integer and "FFFFFFFF" for a Long.
std::u16string hexText(std::int64_t value, int bits);
std::u16string octText(std::int64_t value, int bits);

// Round: halves to even, at `digits` decimals (0..22). An infinite or
// too large intermediate value leaves the number unchanged.
double roundToDigits(double value, int digits);

} // namespace vbs
