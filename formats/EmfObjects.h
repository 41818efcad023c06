#pragma once

#include <QBrush>
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

#include <cstdint>

// The GDI objects of an enhanced metafile: the fields of a creating record
// after its object index (EXTCREATEPEN, CREATEBRUSHINDIRECT,
// EXTCREATEFONTINDIRECTW). Equal fields make equal objects, so the recorder
// also uses them to tell whether an object it has already fits.
namespace EmfObjects {

// COLORREF: red, green, blue, 0. EMF has no alpha.
uint32_t ColorRef(const QColor& Color);

// A face that needs the Japanese character set: CJK characters in its name,
// or a known Japanese family.
bool IsJapaneseFace(const QString& Face);

// A geometric pen: style (dashes as PS_ styles, Qt's own patterns as a user
// style in pixels), caps, joins, width × Scale (at least 1), colour.
QByteArray PenFields(const QPen& Pen, double Scale);

// A solid brush, or a hatched one for Qt's line patterns; gradients and
// textures fill with their first colour.
QByteArray BrushFields(const QBrush& Brush);

// The 368-byte form: LOGFONTW with height −Height (the em in pixels),
// escapement and orientation in tenths of a degree, weight, italic,
// underline, strike-out, character set and face, then empty full name, style
// and script, and the design-vector signature with no axes.
QByteArray FontFields(const QFont& Font, int Height, int Escapement);

} // namespace EmfObjects
