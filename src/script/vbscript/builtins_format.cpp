// FormatNumber, FormatCurrency and FormatPercent over numformat.h, in the
// engine's locale. A Null value or text that is not a number raises 13, a
// Null option 94, a digit count below -1 or above 255 raises 5.
#include "builtins_library.h"
#include "locale_table.h"
#include "numformat.h"

namespace vbs {

namespace {

using namespace lib;

Tristate tristateArg(ArgRefs args, std::size_t i)
{
    if (!argPresent(args, i))
        return Tristate::UseDefault;
    const std::int32_t v = longAtLeast(args, i, -2);
    return v == -2 ? Tristate::UseDefault : v == 0 ? Tristate::False : Tristate::True;
}

using Formatter = std::u16string (*)(double, const FormatOptions &, const NumberStyle &);

template <Formatter F>
Variant formatFunction(CallContext &ctx, ArgRefs args)
{
    if (isNullArg(args, 0))
        raiseError(RuntimeError::TypeMismatch);
    const double value = argDouble(args, 0);
    FormatOptions options;
    options.digits = argPresent(args, 1) ? longAtLeast(args, 1, -1) : -1;
    if (options.digits > 255)
        raiseError(RuntimeError::InvalidProcedureCall);
    options.leadingDigit = tristateArg(args, 2);
    options.parensForNegative = tristateArg(args, 3);
    options.groupDigits = tristateArg(args, 4);
    return Variant(F(value, options, localeRecord(ctx.locale()).numbers));
}

std::u16string numberText(double v, const FormatOptions &o, const NumberStyle &s) { return formatNumber(v, o, s); }
std::u16string currencyText(double v, const FormatOptions &o, const NumberStyle &s) { return formatCurrency(v, o, s); }
std::u16string percentText(double v, const FormatOptions &o, const NumberStyle &s) { return formatPercent(v, o, s); }

} // namespace

void addFormatBuiltins(BuiltinTable &t)
{
    t.add(u"FormatNumber", 1, 5, formatFunction<numberText>);
    t.add(u"FormatCurrency", 1, 5, formatFunction<currencyText>);
    t.add(u"FormatPercent", 1, 5, formatFunction<percentText>);
}

} // namespace vbs
