#include "locale_table.h"

#include "text.h"

namespace vbs {

namespace {

using Names12 = std::array<std::u16string, 12>;
using Names7 = std::array<std::u16string, 7>;

struct DateStyle
{
    Locale::DateOrder order;
    std::u16string separator;
    bool pad;
    bool clock24;
    bool padHour;
};

struct MoneyStyle
{
    std::u16string symbol;
    int positive, negative, digits;
};

LocaleRecord make(int lcid, std::u16string tag, std::u16string decimal, std::u16string group, DateStyle date,
                  MoneyStyle money, int firstDay, int firstWeek, std::u16string longDate, Names12 months,
                  Names12 monthAbbrevs, Names7 days, Names7 dayAbbrevs, std::u16string am = u"AM",
                  std::u16string pm = u"PM")
{
    LocaleRecord r;
    Locale &l = r.locale;
    l.lcid = lcid;
    l.decimalSeparator = decimal;
    l.groupSeparator = group;
    l.dateOrder = date.order;
    l.dateSeparator = date.separator;
    l.padDayMonth = date.pad;
    l.clock24 = date.clock24;
    l.padHour = date.padHour;
    l.am = std::move(am);
    l.pm = std::move(pm);
    l.monthNames = std::move(months);
    l.monthAbbrevs = std::move(monthAbbrevs);
    l.dayNames = std::move(days);
    l.dayAbbrevs = std::move(dayAbbrevs);
    l.currencySymbol = money.symbol;
    l.currencyBefore = money.positive == 0 || money.positive == 2;
    r.tag = std::move(tag);
    r.numbers.decimal = decimal.empty() ? u'.' : decimal[0];
    r.numbers.group = group.empty() ? u',' : group[0];
    r.numbers.currency = money.symbol;
    r.numbers.currencyPositive = money.positive;
    r.numbers.currencyNegative = money.negative;
    r.numbers.currencyDigits = money.digits;
    r.firstDayOfWeek = firstDay;
    r.firstWeekOfYear = firstWeek;
    r.longDatePattern = std::move(longDate);
    return r;
}

const Names12 kEnglishMonths = englishUS().monthNames;
const Names12 kEnglishMonthAbbrevs = englishUS().monthAbbrevs;
const Names7 kEnglishDays = englishUS().dayNames;
const Names7 kEnglishDayAbbrevs = englishUS().dayAbbrevs;

const Names12 kSpanishMonths = {u"enero", u"febrero", u"marzo", u"abril", u"mayo", u"junio",
                                u"julio", u"agosto", u"septiembre", u"octubre", u"noviembre", u"diciembre"};
const Names12 kSpanishMonthAbbrevs = {u"ene", u"feb", u"mar", u"abr", u"may", u"jun",
                                      u"jul", u"ago", u"sep", u"oct", u"nov", u"dic"};
const Names7 kSpanishDays = {u"domingo", u"lunes", u"martes", u"miércoles", u"jueves", u"viernes", u"sábado"};
const Names7 kSpanishDayAbbrevs = {u"dom", u"lun", u"mar", u"mié", u"jue", u"vie", u"sáb"};

const Names12 kPortugueseMonths = {u"janeiro", u"fevereiro", u"março",    u"abril",   u"maio",     u"junho",
                                   u"julho",   u"agosto",    u"setembro", u"outubro", u"novembro", u"dezembro"};
const Names12 kPortugueseMonthAbbrevs = {u"jan", u"fev", u"mar", u"abr", u"mai", u"jun",
                                         u"jul", u"ago", u"set", u"out", u"nov", u"dez"};
const Names7 kPortugueseDays = {u"domingo",     u"segunda-feira", u"terça-feira", u"quarta-feira",
                                u"quinta-feira", u"sexta-feira",  u"sábado"};
const Names7 kPortugueseDayAbbrevs = {u"dom", u"seg", u"ter", u"qua", u"qui", u"sex", u"sáb"};

const Names12 kCjkMonths = {u"1月", u"2月", u"3月", u"4月",  u"5月",  u"6月",
                            u"7月", u"8月", u"9月", u"10月", u"11月", u"12月"};

std::vector<LocaleRecord> buildTable()
{
    using O = Locale::DateOrder;
    const std::u16string nbsp(1, u'\u00A0');
    std::vector<LocaleRecord> t;
    t.push_back(make(1033, u"en-us", u".", u",", {O::MDY, u"/", false, false, false}, {u"$", 0, 0, 2}, 1, 1,
                     u"dddd, MMMM d, yyyy", kEnglishMonths, kEnglishMonthAbbrevs, kEnglishDays,
                     kEnglishDayAbbrevs));
    t.push_back(make(2057, u"en-gb", u".", u",", {O::DMY, u"/", true, true, true}, {u"£", 0, 1, 2}, 2, 2,
                     u"dd MMMM yyyy", kEnglishMonths, kEnglishMonthAbbrevs, kEnglishDays, kEnglishDayAbbrevs));
    t.push_back(make(1031, u"de-de", u",", u".", {O::DMY, u".", true, true, true}, {u"€", 3, 8, 2}, 2, 2,
                     u"dddd, d. MMMM yyyy",
                     {u"Januar", u"Februar", u"März", u"April", u"Mai", u"Juni", u"Juli", u"August", u"September",
                      u"Oktober", u"November", u"Dezember"},
                     {u"Jan", u"Feb", u"Mrz", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov",
                      u"Dez"},
                     {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag"},
                     {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"}));
    t.push_back(make(1036, u"fr-fr", u",", nbsp, {O::DMY, u"/", true, true, true}, {u"€", 3, 8, 2}, 2, 2,
                     u"dddd d MMMM yyyy",
                     {u"janvier", u"février", u"mars", u"avril", u"mai", u"juin", u"juillet", u"août",
                      u"septembre", u"octobre", u"novembre", u"décembre"},
                     {u"janv.", u"févr.", u"mars", u"avr.", u"mai", u"juin", u"juil.", u"août", u"sept.", u"oct.",
                      u"nov.", u"déc."},
                     {u"dimanche", u"lundi", u"mardi", u"mercredi", u"jeudi", u"vendredi", u"samedi"},
                     {u"dim.", u"lun.", u"mar.", u"mer.", u"jeu.", u"ven.", u"sam."}));
    t.push_back(make(3082, u"es-es", u",", u".", {O::DMY, u"/", true, true, false}, {u"€", 3, 8, 2}, 2, 2,
                     u"dddd, d' de 'MMMM' de 'yyyy", kSpanishMonths, kSpanishMonthAbbrevs, kSpanishDays,
                     kSpanishDayAbbrevs));
    t.push_back(make(1034, u"es-es_tradnl", u",", u".", {O::DMY, u"/", true, true, false}, {u"€", 3, 8, 2}, 2, 2,
                     u"dddd, d' de 'MMMM' de 'yyyy", kSpanishMonths, kSpanishMonthAbbrevs, kSpanishDays,
                     kSpanishDayAbbrevs));
    t.push_back(make(1040, u"it-it", u",", u".", {O::DMY, u"/", true, true, true}, {u"€", 2, 9, 2}, 2, 2,
                     u"dddd d MMMM yyyy",
                     {u"gennaio", u"febbraio", u"marzo", u"aprile", u"maggio", u"giugno", u"luglio", u"agosto",
                      u"settembre", u"ottobre", u"novembre", u"dicembre"},
                     {u"gen", u"feb", u"mar", u"apr", u"mag", u"giu", u"lug", u"ago", u"set", u"ott", u"nov",
                      u"dic"},
                     {u"domenica", u"lunedì", u"martedì", u"mercoledì", u"giovedì", u"venerdì", u"sabato"},
                     {u"dom", u"lun", u"mar", u"mer", u"gio", u"ven", u"sab"}));
    t.push_back(make(1043, u"nl-nl", u",", u".", {O::DMY, u"-", false, true, true}, {u"€", 2, 12, 2}, 2, 2,
                     u"dddd d MMMM yyyy",
                     {u"januari", u"februari", u"maart", u"april", u"mei", u"juni", u"juli", u"augustus",
                      u"september", u"oktober", u"november", u"december"},
                     {u"jan", u"feb", u"mrt", u"apr", u"mei", u"jun", u"jul", u"aug", u"sep", u"okt", u"nov",
                      u"dec"},
                     {u"zondag", u"maandag", u"dinsdag", u"woensdag", u"donderdag", u"vrijdag", u"zaterdag"},
                     {u"zo", u"ma", u"di", u"wo", u"do", u"vr", u"za"}));
    t.push_back(make(1046, u"pt-br", u",", u".", {O::DMY, u"/", true, true, true}, {u"R$", 2, 9, 2}, 1, 1,
                     u"dddd, d' de 'MMMM' de 'yyyy", kPortugueseMonths, kPortugueseMonthAbbrevs, kPortugueseDays,
                     kPortugueseDayAbbrevs));
    t.push_back(make(2070, u"pt-pt", u",", nbsp, {O::DMY, u"/", true, true, true}, {u"€", 3, 8, 2}, 2, 2,
                     u"dddd, d' de 'MMMM' de 'yyyy", kPortugueseMonths, kPortugueseMonthAbbrevs, kPortugueseDays,
                     kPortugueseDayAbbrevs));
    t.push_back(make(1041, u"ja-jp", u".", u",", {O::YMD, u"/", true, true, false}, {u"¥", 0, 1, 0}, 1, 1,
                     u"yyyy'年'M'月'd'日'", kCjkMonths,
                     {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"11", u"12"},
                     {u"日曜日", u"月曜日", u"火曜日", u"水曜日", u"木曜日", u"金曜日", u"土曜日"},
                     {u"日", u"月", u"火", u"水", u"木", u"金", u"土"}, u"午前", u"午後"));
    t.push_back(make(2052, u"zh-cn", u".", u",", {O::YMD, u"/", false, true, false}, {u"¥", 0, 2, 2}, 2, 1,
                     u"yyyy'年'M'月'd'日'",
                     {u"一月", u"二月", u"三月", u"四月", u"五月", u"六月", u"七月", u"八月", u"九月", u"十月",
                      u"十一月", u"十二月"},
                     kCjkMonths,
                     {u"星期日", u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六"},
                     {u"周日", u"周一", u"周二", u"周三", u"周四", u"周五", u"周六"}, u"上午", u"下午"));
    t.push_back(make(1049, u"ru-ru", u",", nbsp, {O::DMY, u".", true, true, false}, {u"₽", 3, 8, 2}, 2, 1,
                     u"d MMMM yyyy 'г.'",
                     {u"январь", u"февраль", u"март", u"апрель", u"май", u"июнь", u"июль", u"август",
                      u"сентябрь", u"октябрь", u"ноябрь", u"декабрь"},
                     {u"янв", u"фев", u"мар", u"апр", u"май", u"июн", u"июл", u"авг", u"сен", u"окт", u"ноя",
                      u"дек"},
                     {u"воскресенье", u"понедельник", u"вторник", u"среда", u"четверг", u"пятница",
                      u"суббота"},
                     {u"Вс", u"Пн", u"Вт", u"Ср", u"Чт", u"Пт", u"Сб"}));
    return t;
}

std::u16string numberText(int value, std::size_t width)
{
    std::u16string s = fromAscii(std::to_string(value));
    while (s.size() < width)
        s.insert(s.begin(), u'0');
    return s;
}

// The length of the run of `c` starting at `i`.
std::size_t runLength(std::u16string_view s, std::size_t i)
{
    std::size_t n = 1;
    while (i + n < s.size() && s[i + n] == s[i])
        ++n;
    return n;
}

} // namespace

const std::vector<LocaleRecord> &localeTable()
{
    static const std::vector<LocaleRecord> table = buildTable();
    return table;
}

const LocaleRecord *findLocale(int lcid)
{
    for (const LocaleRecord &r : localeTable())
        if (r.locale.lcid == lcid)
            return &r;
    return nullptr;
}

const LocaleRecord *findLocale(std::u16string_view name)
{
    std::u16string key;
    for (char16_t c : name)
        key.push_back(c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c);
    for (const LocaleRecord &r : localeTable()) {
        if (r.tag == key)
            return &r;
    }
    // A bare language ("de") means its first country in the table.
    if (key.size() == 2) {
        for (const LocaleRecord &r : localeTable())
            if (r.tag.compare(0, 2, key) == 0)
                return &r;
    }
    return nullptr;
}

const LocaleRecord &localeRecord(const Locale &locale)
{
    const LocaleRecord *r = findLocale(locale.lcid);
    return r ? *r : localeTable().front();
}

std::u16string expandDatePattern(std::u16string_view pattern, int year, int month, int day, int weekday0,
                                 const Locale &locale)
{
    std::u16string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char16_t c = pattern[i];
        if (c == u'\'') {
            const std::size_t end = pattern.find(u'\'', i + 1);
            const std::size_t stop = end == std::u16string_view::npos ? pattern.size() : end;
            out.append(pattern.substr(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        const std::size_t n = runLength(pattern, i);
        if (c == u'd') {
            out += n == 1 ? numberText(day, 1)
                   : n == 2 ? numberText(day, 2)
                   : n == 3 ? locale.dayAbbrevs[static_cast<std::size_t>(weekday0)]
                            : locale.dayNames[static_cast<std::size_t>(weekday0)];
        } else if (c == u'M') {
            out += n == 1 ? numberText(month, 1)
                   : n == 2 ? numberText(month, 2)
                   : n == 3 ? locale.monthAbbrevs[static_cast<std::size_t>(month - 1)]
                            : locale.monthNames[static_cast<std::size_t>(month - 1)];
        } else if (c == u'y') {
            out += n <= 2 ? numberText(year % 100, 2) : numberText(year, 4);
        } else {
            out.append(pattern.substr(i, n));
        }
        i += n;
    }
    return out;
}

} // namespace vbs
