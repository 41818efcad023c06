#include "settings/IniValues.h"

#include "core/Numbers.h"
#include "settings/IniErrors.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace IniValues {

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Hexadecimal digits to the 32-bit pattern; leading zeros do not count
// towards the limit of 8 significant digits.
bool TryHexToUInt(QStringView digits, uint32_t& value)
{
    if (digits.isEmpty())
        return false;
    uint64_t acc = 0;
    for (QChar c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return false;
        acc = acc * 16 + uint64_t(d);
        if (acc > 0xFFFFFFFFu)
            return false;
    }
    value = uint32_t(acc);
    return true;
}

const qint64 kEpochJulianDay = QDate(1899, 12, 30).toJulianDay();
constexpr qint64 kMsPerDay = 86400000;

bool DecodeDateTime(double value, QDate& date, QTime& time)
{
    // Rough bounds first so that the integer conversions below stay defined.
    if (!std::isfinite(value) || std::fabs(value) > 1e7)
        return false;
    qint64 days = Numbers::Trunc(value);
    qint64 ms = Numbers::Round(std::fabs(value - double(days)) * double(kMsPerDay));
    if (ms >= kMsPerDay) {
        ms = 0;
        days += value < 0 ? -1 : 1;
    }
    date = QDate::fromJulianDay(kEpochJulianDay + days);
    time = QTime::fromMSecsSinceStartOfDay(int(ms));
    return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

double EncodeDateTime(QDate date, QTime time)
{
    const double days = double(date.toJulianDay() - kEpochJulianDay);
    const double fraction = double(time.msecsSinceStartOfDay()) / double(kMsPerDay);
    return days >= 0 ? days + fraction : days - fraction;
}

void DecodeOrThrow(double value, QDate& date, QTime& time)
{
    if (!DecodeDateTime(value, date, time))
        throw EConvertError(QStringLiteral("%1 is not a valid date and time")
                                .arg(Numbers::RoundTrip(value)));
}

bool TryDate(QStringView text, QDate& date)
{
    if (text.isEmpty())
        return false;
    date = QLocale::system().toDate(text.toString(), ShortDateFormat());
    return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

bool TryTime(QStringView text, QTime& time)
{
    if (text.isEmpty())
        return false;
    time = QLocale::system().toTime(text.toString(), LongTimeFormat());
    return time.isValid();
}

} // namespace

bool TryTextToInt(QStringView text, int& value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        i += 2;
    } else {
        // Decimal.
        if (i == n)
            return false;
        uint64_t acc = 0;
        for (; i < n; ++i) {
            const char16_t u = text[i].unicode();
            if (u < '0' || u > '9')
                return false;
            acc = acc * 10 + (u - '0');
            if (acc > 2147483648u)
                return false;
        }
        if (!negative && acc > 2147483647u)
            return false;
        value = negative ? int(-int64_t(acc)) : int(acc);
        return true;
    }
    uint32_t bits = 0;
    if (!TryHexToUInt(text.mid(i), bits))
        return false;
    if (negative)
        bits = 0u - bits;
    value = int32_t(bits);
    return true;
}

QString HexText(uint32_t value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(8, u'0');
}

bool TryHexDigitsToInt(QStringView digits, int& value)
{
    uint32_t bits = 0;
    if (digits.size() > 8 || !TryHexToUInt(digits, bits))
        return false;
    value = int32_t(bits);
    return true;
}

QString FloatToText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, correctly rounded: "-d.dddddddddddddde+XXX".
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    QByteArray digits;
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.')
            digits += *p;
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    const QString decimal = Numbers::RegionalSeparators().Decimal;
    QString out;
    if (negative)
        out += u'-';
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += u'0' + decimal + QString(-exponent - 1, u'0') + QString::fromLatin1(digits);
        } else {
            const qsizetype intDigits = exponent + 1;
            if (digits.size() <= intDigits) {
                out += QString::fromLatin1(digits) + QString(intDigits - digits.size(), u'0');
            } else {
                out += QString::fromLatin1(digits.left(intDigits)) + decimal
                     + QString::fromLatin1(digits.mid(intDigits));
            }
        }
    } else {
        out += QChar::fromLatin1(digits[0]);
        if (digits.size() > 1)
            out += decimal + QString::fromLatin1(digits.mid(1));
        out += u'E';
        out += exponent < 0 ? u'-' : u'+';
        out += QString::number(std::abs(exponent));
    }
    return out;
}

bool TryTextToFloat(QStringView text, double& value)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"NAN", Qt::CaseInsensitive) == 0) {
        value = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    if (t.compare(u"INF", Qt::CaseInsensitive) == 0) {
        value = std::numeric_limits<double>::infinity();
        return true;
    }
    if (t.compare(u"-INF", Qt::CaseInsensitive) == 0) {
        value = -std::numeric_limits<double>::infinity();
        return true;
    }
    return Numbers::TryParseNumber(text, Numbers::RegionalSeparators().Decimal, value);
}

QString ShortDateFormat()
{
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString LongTimeFormat()
{
    const QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && c == u't')
            continue;
        out += c;
    }
    return out.simplified();
}

QString DateToText(double value)
{
    QDate date;
    QTime time;
    DecodeOrThrow(value, date, time);
    return QLocale::system().toString(date, ShortDateFormat());
}

QString TimeToText(double value)
{
    QDate date;
    QTime time;
    DecodeOrThrow(value, date, time);
    return QLocale::system().toString(time, LongTimeFormat());
}

QString DateTimeToText(double value)
{
    QDate date;
    QTime time;
    DecodeOrThrow(value, date, time);
    QString text = QLocale::system().toString(date, ShortDateFormat());
    if (time.msecsSinceStartOfDay() != 0)
        text += u' ' + QLocale::system().toString(time, LongTimeFormat());
    return text;
}

bool TryTextToDate(QStringView text, double& value)
{
    QDate date;
    if (!TryDate(text, date))
        return false;
    value = EncodeDateTime(date, QTime(0, 0));
    return true;
}

bool TryTextToTime(QStringView text, double& value)
{
    QTime time;
    if (!TryTime(text, time))
        return false;
    value = EncodeDateTime(QDate(1899, 12, 30), time);
    return true;
}

bool TryTextToDateTime(QStringView text, double& value)
{
    const QStringView t = text.trimmed();
    // Date formats may hold spaces themselves, so try every split.
    for (qsizetype i = t.indexOf(u' '); i > 0; i = t.indexOf(u' ', i + 1)) {
        QDate date;
        QTime time;
        if (TryDate(t.left(i), date) && TryTime(t.mid(i + 1).trimmed(), time)) {
            value = EncodeDateTime(date, time);
            return true;
        }
    }
    return TryTextToDate(t, value) || TryTextToTime(t, value);
}

QString BytesToHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray HexToBytes(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const int hi = HexDigit(text[i]);
        const int lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0)
            break;
        bytes += char(hi * 16 + lo);
    }
    return bytes;
}

} // namespace IniValues
