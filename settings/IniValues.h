#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>

// The text forms of the typed settings values.
namespace IniValues {

// Optional leading spaces and sign, then decimal digits, or hexadecimal digits
// after "$", "x", "X", "0x" or "0X". Up to 8 hexadecimal digits give the full
// 32-bit value ("$FFFFFFFF" is -1). False for anything else or out of range.
bool TryTextToInt(QStringView text, int& value);

// "0x" and 8 upper-case hexadecimal digits of the 32-bit value.
QString HexText(uint32_t value);

// 1 to 8 hexadecimal digits, either case, nothing else.
bool TryHexDigitsToInt(QStringView digits, int& value);

// General format, at most 15 significant digits, the regional decimal
// separator: fixed for 1E-5 <= |value| < 1E15, otherwise scientific ("1.5E-7").
// Not-a-number and infinities are "NAN", "INF" and "-INF".
QString FloatToText(double value);
bool TryTextToFloat(QStringView text, double& value);

// Dates and times are days since 1899-12-30, the fraction being the time of
// day; before that day the fraction counts forward from the date's midnight
// (-1.25 is 1899-12-29 06:00). Years 1 to 9999; the writers raise
// EConvertError outside them.
QString DateToText(double value);
QString TimeToText(double value);
// The time is left out when it is exactly midnight.
QString DateTimeToText(double value);
bool TryTextToDate(QStringView text, double& value);
bool TryTextToTime(QStringView text, double& value);
// A date and a time, a date alone or a time alone.
bool TryTextToDateTime(QStringView text, double& value);

// The regional formats used above: the short date with a four-digit year (two
// digits would read back in the wrong century) and the long time without the
// time zone (it is not part of a time of day).
QString ShortDateFormat();
QString LongTimeFormat();

// Two upper-case hexadecimal digits per byte.
QString BytesToHex(const QByteArray& bytes);
// Pairs of hexadecimal digits, either case; decoding stops at the first pair
// that is not one (an odd last digit is ignored).
QByteArray HexToBytes(QStringView text);

} // namespace IniValues
