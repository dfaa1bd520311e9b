// Every vb... constant VBScript predefines.
#include "builtins_library.h"

namespace vbs {

namespace {

struct IntConstant
{
    const char16_t *name;
    std::int32_t value;
};

// Integer-typed constants.
constexpr IntConstant kIntegers[] = {
    // Tristate
    {u"vbUseDefault", -2}, {u"vbTrue", -1}, {u"vbFalse", 0},
    // Comparison
    {u"vbBinaryCompare", 0}, {u"vbTextCompare", 1}, {u"vbDatabaseCompare", 2},
    // Days of the week and first week of the year
    {u"vbUseSystemDayOfWeek", 0}, {u"vbSunday", 1}, {u"vbMonday", 2}, {u"vbTuesday", 3}, {u"vbWednesday", 4},
    {u"vbThursday", 5}, {u"vbFriday", 6}, {u"vbSaturday", 7},
    {u"vbUseSystem", 0}, {u"vbFirstJan1", 1}, {u"vbFirstFourDays", 2}, {u"vbFirstFullWeek", 3},
    // FormatDateTime
    {u"vbGeneralDate", 0}, {u"vbLongDate", 1}, {u"vbShortDate", 2}, {u"vbLongTime", 3}, {u"vbShortTime", 4},
    // VarType
    {u"vbEmpty", 0}, {u"vbNull", 1}, {u"vbInteger", 2}, {u"vbLong", 3}, {u"vbSingle", 4}, {u"vbDouble", 5},
    {u"vbCurrency", 6}, {u"vbDate", 7}, {u"vbString", 8}, {u"vbObject", 9}, {u"vbError", 10},
    {u"vbBoolean", 11}, {u"vbVariant", 12}, {u"vbDataObject", 13}, {u"vbDecimal", 14}, {u"vbByte", 17},
    {u"vbArray", 8192},
    // MsgBox buttons, icons, defaults and modality
    {u"vbOKOnly", 0}, {u"vbOKCancel", 1}, {u"vbAbortRetryIgnore", 2}, {u"vbYesNoCancel", 3}, {u"vbYesNo", 4},
    {u"vbRetryCancel", 5}, {u"vbCritical", 16}, {u"vbQuestion", 32}, {u"vbExclamation", 48},
    {u"vbInformation", 64}, {u"vbDefaultButton1", 0}, {u"vbDefaultButton2", 256}, {u"vbDefaultButton3", 512},
    {u"vbDefaultButton4", 768}, {u"vbApplicationModal", 0}, {u"vbSystemModal", 4096},
    // MsgBox results
    {u"vbOK", 1}, {u"vbCancel", 2}, {u"vbAbort", 3}, {u"vbRetry", 4}, {u"vbIgnore", 5}, {u"vbYes", 6},
    {u"vbNo", 7},
};

// Long-typed whatever their value.
constexpr IntConstant kLongs[] = {
    {u"vbMsgBoxHelpButton", 16384}, {u"vbMsgBoxSetForeground", 65536}, {u"vbMsgBoxRight", 524288},
    {u"vbMsgBoxRtlReading", 1048576},
    // Colours
    {u"vbBlack", 0x000000}, {u"vbRed", 0x0000FF}, {u"vbGreen", 0x00FF00}, {u"vbYellow", 0x00FFFF},
    {u"vbBlue", 0xFF0000}, {u"vbMagenta", 0xFF00FF}, {u"vbCyan", 0xFFFF00}, {u"vbWhite", 0xFFFFFF},
    // Errors
    {u"vbObjectError", static_cast<std::int32_t>(0x80040000u)},
};

} // namespace

void addConstants(BuiltinTable &t)
{
    for (const IntConstant &c : kIntegers)
        t.addConstant(c.name, Variant::fromInteger(static_cast<std::int16_t>(c.value)));
    for (const IntConstant &c : kLongs)
        t.addConstant(c.name, Variant::fromLong(c.value));
    t.addConstant(u"vbCr", Variant(u"\r"));
    t.addConstant(u"vbLf", Variant(u"\n"));
    t.addConstant(u"vbCrLf", Variant(u"\r\n"));
    t.addConstant(u"vbNewLine", Variant(u"\r\n"));
    t.addConstant(u"vbNullChar", Variant(std::u16string(1, u'\0')));
    t.addConstant(u"vbNullString", Variant(std::u16string()));
    t.addConstant(u"vbTab", Variant(u"\t"));
    t.addConstant(u"vbVerticalTab", Variant(u"\v"));
    t.addConstant(u"vbFormFeed", Variant(u"\f"));
    t.addConstant(u"vbBack", Variant(u"\b"));
}

} // namespace vbs
