// Dates as JScript reads and writes them: the forms Date.parse documents
// (short dates month/day/year, long dates in any order, times with AM/PM,
// time zones, comments in parentheses), toString and toUTCString in JScript's
// shape, getYear and getVarDate. The checks hold in every time zone: local
// forms are compared with local dates, and the zone in toString is masked.
function local(y, m, d, h, mi, s) { return new Date(y, m, d, h || 0, mi || 0, s || 0).getTime(); }
function shape(text) { return text.replace(/UTC([+-]\d{4})?/, 'ZONE'); }
var sample = new Date(2026, 0, 31, 10, 20, 30);
? Date.parse('1/31/2026 10:20:30') == local(2026, 0, 31, 10, 20, 30) => true
? Date.parse('1-31-2026') == local(2026, 0, 31) => true
? Date.parse('7/20/96') == local(1996, 6, 20) => true
? Date.parse('January 31, 2026 10:15 AM') == local(2026, 0, 31, 10, 15) => true
? Date.parse('November 1, 1997 10:15 PM') == local(1997, 10, 1, 22, 15) => true
? Date.parse('Jan 5, 1996 08:47:00') == local(1996, 0, 5, 8, 47) => true
? Date.parse('31 January 2026') == local(2026, 0, 31) => true
? Date.parse('2026 Jan 31') == local(2026, 0, 31) => true
? Date.parse('July 10 95') == local(1995, 6, 10) => true
? Date.parse('Ju 4 1996') == local(1996, 6, 4) => true
? Date.parse('Tuesday November 9 1996') == local(1996, 10, 9) => true
? Date.parse('Jan 31 2026 10:') == local(2026, 0, 31, 10) => true
? Date.parse('Jan 31 2026 10:11') == local(2026, 0, 31, 10, 11) => true
? Date.parse('1/1/2000 12:00 AM') == local(2000, 0, 1, 0) => true
? Date.parse('1/1/2000 12:30 PM') == local(2000, 0, 1, 12, 30) => true
? Date.parse('1/1/2000 11:59 p.m.') == local(2000, 0, 1, 23, 59) => true
? Date.parse('Jan 31 2026 (a comment) 10:20:30') == local(2026, 0, 31, 10, 20, 30) => true
? Date.parse('Jan 31 (nested (comment) here) 2026') == local(2026, 0, 31) => true
? Date.parse('Jan,,31,  2026') == local(2026, 0, 31) => true
? Date.parse('Jan 31 2026 10:20:30 UTC') == Date.UTC(2026, 0, 31, 10, 20, 30) => true
? Date.parse('Jan 31 2026 10:20:30 GMT') == Date.UTC(2026, 0, 31, 10, 20, 30) => true
? Date.parse('Jan 31 2026 10:20:30 GMT+0100') == Date.UTC(2026, 0, 31, 9, 20, 30) => true
? Date.parse('Sat Jan 31 10:20:30 UTC-0500 2026') == Date.UTC(2026, 0, 31, 15, 20, 30) => true
? Date.parse('Jan 31 2026 10:20:30 EST') == Date.UTC(2026, 0, 31, 15, 20, 30) => true
? Date.parse('Jul 4 2026 10:00 PDT') == Date.UTC(2026, 6, 4, 17) => true
? Date.parse('Jan 31 2026 10:20:30 CST') == Date.UTC(2026, 0, 31, 16, 20, 30) => true
? Date.parse('Sat, 31 Jan 2026 09:20:30 UTC') == Date.UTC(2026, 0, 31, 9, 20, 30) => true
? Date.parse('2026-01-31T10:20:30Z') == Date.UTC(2026, 0, 31, 10, 20, 30) => true
? isNaN(Date.parse('1/1/2000 23:15 PM')) => true
? isNaN(Date.parse('January February 1 2000')) => true
? isNaN(Date.parse('1996 1997 Jan 1')) => true
? isNaN(Date.parse('Jan 5 05')) => true
? isNaN(Date.parse('not a date')) => true
? isNaN(Date.parse('')) => true
? new Date('1/31/2026').getDate() => 31
? new Date('January 31, 2026 10:15 AM').getHours() => 10
? new Date(2026, 0, 31) instanceof Date => true
? new Date(sample).getTime() == sample.getTime() => true
? new Date(0).getTime() => 0
? typeof Date() => string
? Date.UTC(1970, 0, 1) => 0
? shape(sample.toString()) => Sat Jan 31 10:20:30 ZONE 2026
? /^... ... \d+ \d\d:\d\d:\d\d UTC([+-]\d{4})? \d+$/.test(String(new Date())) => true
? shape(new Date(2026, 0, 3, 8, 5, 9).toString()) => Sat Jan 3 08:05:09 ZONE 2026
? sample.toDateString() => Sat Jan 31 2026
? shape(sample.toTimeString()) => 10:20:30 ZONE
? new Date(Date.UTC(2026, 0, 31, 9, 20, 30)).toUTCString() => Sat, 31 Jan 2026 09:20:30 UTC
? new Date(Date.UTC(2026, 0, 3, 9, 5, 7)).toUTCString() => Sat, 3 Jan 2026 09:05:07 UTC
? new Date(Date.UTC(2026, 0, 3)).toGMTString() => Sat, 3 Jan 2026 00:00:00 UTC
? new Date(NaN).toString() => NaN
? String(new Date('no date')) => NaN
? new Date(NaN).toUTCString() => NaN
? Date.parse(sample.toString()) == sample.getTime() => true
? Date.parse(sample.toUTCString()) == sample.getTime() => true
? new Date(1996, 0, 1).getYear() => 96
? new Date(1900, 0, 1).getYear() => 0
? new Date(1999, 11, 31).getYear() => 99
? new Date(2026, 0, 1).getYear() => 2026
? new Date(1825, 0, 1).getYear() => 1825
? typeof sample.getVarDate() => date
? sample.getVarDate().getTime() == sample.getTime() => true
