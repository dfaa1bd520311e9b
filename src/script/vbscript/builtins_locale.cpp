// GetLocale and SetLocale over the locale table. SetLocale takes an LCID
// (also as text, "1031") or a name ("de-de"), 0 or nothing for the default (English - United States),
// returns the previous LCID and raises 447 for a number and 5 for a name it
// does not know.
#include "builtins_library.h"
#include "locale_table.h"

namespace vbs {

namespace {

using namespace lib;

Variant fnGetLocale(CallContext &ctx, ArgRefs) { return Variant::fromLong(ctx.locale().lcid); }

Variant fnSetLocale(CallContext &ctx, ArgRefs args)
{
    const std::int32_t previous = ctx.locale().lcid;
    const LocaleRecord *record = nullptr;
    if (!argPresent(args, 0)) {
        record = &localeTable().front();
    } else {
        const Variant v = argValue(args, 0);
        if (v.isNull())
            raiseError(RuntimeError::InvalidUseOfNull);
        double number = 0;
        if (v.isString() && !parseNumber(v.string(), number)) {
            record = v.string().empty() ? &localeTable().front() : findLocale(v.string());
        } else {
            const std::int32_t lcid = argLong(args, 0);
            record = lcid == 0 ? &localeTable().front() : findLocale(lcid);
            if (!record)
                raiseError(RuntimeError::LocaleNotSupported);
        }
    }
    if (!record)
        raiseError(RuntimeError::InvalidProcedureCall);
    ctx.setLocale(record->locale.lcid == 1033 ? nullptr : &record->locale);
    return Variant::fromLong(previous);
}

} // namespace

void addLocaleBuiltins(BuiltinTable &t)
{
    t.add(u"GetLocale", 0, 0, fnGetLocale);
    t.add(u"SetLocale", 0, 1, fnSetLocale);
}

} // namespace vbs
