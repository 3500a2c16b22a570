// The built-in constants: strings (vbCrLf, ...), compare modes, VarType
// numbers, date and week settings, date formats, tristate values, MsgBox
// buttons and results, vbObjectError and the colours. Each has the type
// VBScript gives it: Integer unless it needs a Long, text as String.
#include <cstdint>
#include <string_view>

#include "platform/vbscript/builtin.h"

namespace corvela::vbs {

namespace {

// Each constant is a function so that String constants are made on demand
// instead of as static Variants whose order of construction is unknown.
#define INTEGER_CONSTANT(name, value) \
  {#name, [] { return Variant::fromInteger(static_cast<int16_t>(value)); }}
#define LONG_CONSTANT(name, value) \
  {#name, [] { return Variant(static_cast<int32_t>(value)); }}
#define STRING_CONSTANT(name, value) \
  {#name, [] { return Variant(value); }}

constexpr BuiltinConstant kConstants[] = {
    STRING_CONSTANT(vbCr, "\r"),
    STRING_CONSTANT(vbLf, "\n"),
    STRING_CONSTANT(vbCrLf, "\r\n"),
    STRING_CONSTANT(vbNewLine, "\r\n"),
    STRING_CONSTANT(vbTab, "\t"),
    STRING_CONSTANT(vbNullChar, std::string_view("\0", 1)),
    STRING_CONSTANT(vbNullString, ""),
    STRING_CONSTANT(vbFormFeed, "\f"),
    STRING_CONSTANT(vbVerticalTab, "\v"),
    INTEGER_CONSTANT(vbBinaryCompare, 0),
    INTEGER_CONSTANT(vbTextCompare, 1),
    INTEGER_CONSTANT(vbDatabaseCompare, 2),
    INTEGER_CONSTANT(vbEmpty, 0),
    INTEGER_CONSTANT(vbNull, 1),
    INTEGER_CONSTANT(vbInteger, 2),
    INTEGER_CONSTANT(vbLong, 3),
    INTEGER_CONSTANT(vbSingle, 4),
    INTEGER_CONSTANT(vbDouble, 5),
    INTEGER_CONSTANT(vbCurrency, 6),
    INTEGER_CONSTANT(vbDate, 7),
    INTEGER_CONSTANT(vbString, 8),
    INTEGER_CONSTANT(vbObject, 9),
    INTEGER_CONSTANT(vbError, 10),
    INTEGER_CONSTANT(vbBoolean, 11),
    INTEGER_CONSTANT(vbVariant, 12),
    INTEGER_CONSTANT(vbDataObject, 13),
    INTEGER_CONSTANT(vbDecimal, 14),
    INTEGER_CONSTANT(vbByte, 17),
    INTEGER_CONSTANT(vbArray, 8192),
    INTEGER_CONSTANT(vbUseSystemDayOfWeek, 0),
    INTEGER_CONSTANT(vbSunday, 1),
    INTEGER_CONSTANT(vbMonday, 2),
    INTEGER_CONSTANT(vbTuesday, 3),
    INTEGER_CONSTANT(vbWednesday, 4),
    INTEGER_CONSTANT(vbThursday, 5),
    INTEGER_CONSTANT(vbFriday, 6),
    INTEGER_CONSTANT(vbSaturday, 7),
    INTEGER_CONSTANT(vbUseSystem, 0),
    INTEGER_CONSTANT(vbFirstJan1, 1),
    INTEGER_CONSTANT(vbFirstFourDays, 2),
    INTEGER_CONSTANT(vbFirstFullWeek, 3),
    INTEGER_CONSTANT(vbGeneralDate, 0),
    INTEGER_CONSTANT(vbLongDate, 1),
    INTEGER_CONSTANT(vbShortDate, 2),
    INTEGER_CONSTANT(vbLongTime, 3),
    INTEGER_CONSTANT(vbShortTime, 4),
    INTEGER_CONSTANT(vbUseDefault, -2),
    INTEGER_CONSTANT(vbTrue, -1),
    INTEGER_CONSTANT(vbFalse, 0),
    INTEGER_CONSTANT(vbOKOnly, 0),
    INTEGER_CONSTANT(vbOKCancel, 1),
    INTEGER_CONSTANT(vbAbortRetryIgnore, 2),
    INTEGER_CONSTANT(vbYesNoCancel, 3),
    INTEGER_CONSTANT(vbYesNo, 4),
    INTEGER_CONSTANT(vbRetryCancel, 5),
    INTEGER_CONSTANT(vbCritical, 16),
    INTEGER_CONSTANT(vbQuestion, 32),
    INTEGER_CONSTANT(vbExclamation, 48),
    INTEGER_CONSTANT(vbInformation, 64),
    INTEGER_CONSTANT(vbDefaultButton1, 0),
    INTEGER_CONSTANT(vbDefaultButton2, 256),
    INTEGER_CONSTANT(vbDefaultButton3, 512),
    INTEGER_CONSTANT(vbDefaultButton4, 768),
    INTEGER_CONSTANT(vbApplicationModal, 0),
    INTEGER_CONSTANT(vbSystemModal, 4096),
    INTEGER_CONSTANT(vbOK, 1),
    INTEGER_CONSTANT(vbCancel, 2),
    INTEGER_CONSTANT(vbAbort, 3),
    INTEGER_CONSTANT(vbRetry, 4),
    INTEGER_CONSTANT(vbIgnore, 5),
    INTEGER_CONSTANT(vbYes, 6),
    INTEGER_CONSTANT(vbNo, 7),
    LONG_CONSTANT(vbMsgBoxHelpButton, 16384),
    LONG_CONSTANT(vbMsgBoxSetForeground, 65536),
    LONG_CONSTANT(vbMsgBoxRight, 524288),
    LONG_CONSTANT(vbMsgBoxRtlReading, 1048576),
    LONG_CONSTANT(vbObjectError, static_cast<int32_t>(0x80040000u)),
    LONG_CONSTANT(vbBlack, 0),
    LONG_CONSTANT(vbRed, 0xFF),
    LONG_CONSTANT(vbGreen, 0xFF00),
    LONG_CONSTANT(vbYellow, 0xFFFF),
    LONG_CONSTANT(vbBlue, 0xFF0000),
    LONG_CONSTANT(vbMagenta, 0xFF00FF),
    LONG_CONSTANT(vbCyan, 0xFFFF00),
    LONG_CONSTANT(vbWhite, 0xFFFFFF),
};

#undef INTEGER_CONSTANT
#undef LONG_CONSTANT
#undef STRING_CONSTANT

}  // namespace

std::span<const BuiltinConstant> builtinConstants() { return kConstants; }

}  // namespace corvela::vbs
