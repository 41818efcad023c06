#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <string_view>

// Decoding and encoding of data files and the settings file.
namespace TextCodec {

enum TEncoding { teUtf8, teUtf16LE, teUtf16BE, teAnsi };

// The encoding a byte-order mark names, and the mark's length (0 when there is
// none: teAnsi).
TEncoding DetectByBom(const QByteArray& bytes, int& bomLength);

// True when `bytes` is well-formed UTF-8 (no overlongs, no surrogates, nothing
// above U+10FFFF, no truncated sequence).
bool IsValidUtf8(std::string_view bytes);

// Strict UTF-8: a leading BOM is skipped; any invalid sequence fails (false)
// and no replacement character is ever produced.
bool DecodeUtf8Strict(const QByteArray& bytes, QString& text);

// Decodes in the given encoding after skipping `skip` bytes. UTF-16 with an
// odd trailing byte drops it. The ANSI code page is the legacy code page of
// the user's locale; a byte it does not define becomes U+FFFD, except the
// five CP1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D), which become
// U+0081 and so on, as on Windows.
QString Decode(const QByteArray& bytes, TEncoding encoding, int skip = 0);

// Encodes, with the BOM for the UTF forms when `withBom`. For teAnsi,
// `lossless` is set false when a character had no representation in the code
// page (it is then written as '?'); U+0081, U+008D, U+008F, U+0090 and
// U+009D go back to their CP1252 bytes.
QByteArray Encode(QStringView text, TEncoding encoding, bool withBom, bool* lossless = nullptr);

// The iconv name of the legacy code page of the user's locale: ja -> CP932,
// zh_CN -> CP936, zh_TW -> CP950, ko -> CP949, everything else CP1252.
QByteArray AnsiCodePage();
// Converts with iconv (with the CP1252 mapping of Decode); false when the
// code page is unknown to iconv.
bool FromCodePage(const QByteArray& codePage, std::string_view bytes, QString& text);

// UTF-16 without a byte-order mark, told by its zero bytes: data text is
// mostly ASCII, so most units of one byte order have a zero high byte. Such
// text may also be valid UTF-8 (all of it ASCII): the caller asks this first.
// The text must decode cleanly (no U+0000, no unpaired surrogate); an odd
// trailing byte is allowed and dropped by Decode.
bool DetectUtf16(std::string_view bytes, TEncoding& encoding);

// True when bytes that are not UTF-8 are plainly Japanese CP932: they parse
// as CP932 throughout (no user-defined area, no byte that starts nothing;
// the pairs CP932 leaves undefined are iconv's to refuse), and their
// double-byte characters are mostly kana, CJK punctuation, full-width forms
// and common kanji, standing in runs or apart from ASCII letters. Accented
// Latin letters of CP1252 ("Température": E9 72 is a CP932 pair) stand alone
// inside ASCII words, or break the CP932 parse, and so do not count.
bool LooksLikeCp932(std::string_view bytes);

// Decodes bytes that are neither strict UTF-8 nor marked: UTF-16 by its zero
// bytes, CP932 when the legacy code page is CP1252 and the bytes are plainly
// Japanese, otherwise the legacy code page.
QString DecodeUnmarked(const QByteArray& bytes);

// Splits at CR LF, lone LF and lone CR; a break at the very end adds no empty
// last line.
QStringList SplitLines(QStringView text);

} // namespace TextCodec
