#include "locale.h"

namespace vbs {

const Locale &englishUS()
{
    static const Locale locale = [] {
        Locale l;
        l.monthNames = {u"January", u"February", u"March", u"April", u"May", u"June", u"July",
                        u"August", u"September", u"October", u"November", u"December"};
        l.monthAbbrevs = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                          u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
        l.dayNames = {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"};
        l.dayAbbrevs = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
        return l;
    }();
    return locale;
}

namespace {
thread_local const Locale *t_current = nullptr;
}

const Locale &currentLocale()
{
    return t_current ? *t_current : englishUS();
}

void setCurrentLocale(const Locale *locale)
{
    t_current = locale;
}

LocaleScope::LocaleScope(const Locale *locale) : m_previous(t_current)
{
    t_current = locale;
}

LocaleScope::~LocaleScope()
{
    t_current = m_previous;
}

} // namespace vbs
