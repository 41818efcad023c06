#include "chart/canvas/AntialiasCanvas.h"
#include "formats/EmfPaintDevice.h"
#include "formats/MetafileRecords.h"

#include "EmfRecords.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>

namespace {

QByteArray Record(QSize Size, const std::function<void(QPainter&)>& Draw, QSizeF Mm = {}, QSize Px = {})
{
    TEmfPaintDevice device(Size, Mm, Px, QStringLiteral("Test"));
    QPainter painter(&device);
    Draw(painter);
    painter.end();
    return device.Bytes();
}

// Structure every file must have, and the object table's bookkeeping played
// through: an index is created free, selected and deleted only while alive,
// never deleted while selected (EMR_RESTOREDC selects the saved objects again),
// and all below nHandles.
void ExpectWellFormed(const QByteArray& Bytes)
{
    const TEmfRecords emf(Bytes);
    ASSERT_FALSE(emf.Malformed());
    ASSERT_GE(emf.Records().size(), 2u);
    const TEmfRecord& header = emf.Records().front();
    EXPECT_EQ(header.Type, EMR_HEADER);
    EXPECT_EQ(emf.U32(header, 40), 0x464D4520u);
    EXPECT_EQ(emf.U32(header, 48), static_cast<uint32_t>(Bytes.size()));
    EXPECT_EQ(emf.U32(header, 52), emf.Records().size());
    EXPECT_EQ(emf.Records().back().Type, EMR_EOF);
    EXPECT_EQ(emf.End(), Bytes.size());
    const uint32_t handles = emf.U16(header, 56);

    struct TSelected { uint32_t Pen = 0, Brush = 0, Font = 0; };
    std::set<uint32_t> alive;
    std::map<uint32_t, uint32_t> kind; // index → creating record type
    TSelected selected;
    std::vector<TSelected> saved;
    for (const TEmfRecord& r : emf.Records()) {
        if (r.Type == EMR_EXTCREATEPEN || r.Type == EMR_CREATEBRUSHINDIRECT || r.Type == EMR_EXTCREATEFONTINDIRECTW) {
            const uint32_t ih = emf.U32(r, 8);
            EXPECT_GT(ih, 0u);
            EXPECT_LT(ih, handles);
            EXPECT_TRUE(alive.insert(ih).second) << "index " << ih << " created twice";
            kind[ih] = r.Type;
        } else if (r.Type == EMR_SELECTOBJECT) {
            const uint32_t ih = emf.U32(r, 8);
            if (ih & 0x80000000u) {
                const uint32_t n = ih & 0xFF;
                (n <= 5 ? selected.Brush : n <= 8 ? selected.Pen : selected.Font) = ih;
                continue;
            }
            EXPECT_TRUE(alive.count(ih)) << "selecting deleted " << ih;
            (kind[ih] == EMR_EXTCREATEPEN ? selected.Pen : kind[ih] == EMR_CREATEBRUSHINDIRECT ? selected.Brush : selected.Font) = ih;
        } else if (r.Type == EMR_DELETEOBJECT) {
            const uint32_t ih = emf.U32(r, 8);
            EXPECT_TRUE(alive.erase(ih)) << "deleting dead " << ih;
            EXPECT_NE(ih, selected.Pen);
            EXPECT_NE(ih, selected.Brush);
            EXPECT_NE(ih, selected.Font);
            for (const TSelected& s : saved)
                EXPECT_TRUE(ih != s.Pen && ih != s.Brush && ih != s.Font) << "deleting a saved selection";
        } else if (r.Type == EMR_SAVEDC) {
            saved.push_back(selected);
        } else if (r.Type == EMR_RESTOREDC) {
            ASSERT_FALSE(saved.empty());
            selected = saved.back();
            saved.pop_back();
            for (const uint32_t h : {selected.Pen, selected.Brush, selected.Font}) {
                if (h && !(h & 0x80000000u)) {
                    EXPECT_TRUE(alive.count(h)) << "restoring deleted " << h;
                }
            }
        }
    }
    EXPECT_TRUE(saved.empty()) << "SAVEDC without EMR_RESTOREDC";
    EXPECT_TRUE(alive.empty()) << "objects left undeleted";
}

} // namespace

TEST(EmfRecorder, HeaderDescribesPictureAndScreen)
{
    const QByteArray bytes = Record({200, 100}, [](QPainter& p) { p.drawLine(0, 0, 10, 10); }, {508, 286}, {1920, 1080});
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    const TEmfRecord& h = emf.Records().front();
    EXPECT_EQ(emf.I32(h, 8), 0);
    EXPECT_EQ(emf.I32(h, 16), 199);
    EXPECT_EQ(emf.I32(h, 20), 99);
    EXPECT_EQ(emf.I32(h, 32), std::lround(199 * 508.0 * 100 / 1920));
    EXPECT_EQ(emf.I32(h, 36), std::lround(99 * 286.0 * 100 / 1080));
    EXPECT_EQ(emf.I32(h, 72), 1920);
    EXPECT_EQ(emf.I32(h, 76), 1080);
    EXPECT_EQ(emf.I32(h, 80), 508);
    EXPECT_EQ(emf.I32(h, 84), 286);
    EXPECT_EQ(emf.I32(h, 100), 508000);
    EXPECT_EQ(emf.I32(h, 104), 286000);
    const uint32_t units = emf.U32(h, 60);
    EXPECT_EQ(emf.Utf16(h, emf.U32(h, 64), units), QStringLiteral("Plotvane\0Test\0\0").left(int(units)));
    EXPECT_LE(emf.U32(h, 64) + 2 * units, h.Size);
}

TEST(EmfRecorder, WithoutScreenSizeThePictureIsAt96DpiAndMeasuresAsTheScreen)
{
    TEmfPaintDevice device({300, 150});
    EXPECT_EQ(device.width(), 300);
    EXPECT_EQ(device.height(), 150);
    EXPECT_EQ(device.logicalDpiY(), 96);
    EXPECT_EQ(device.physicalDpiX(), 96);
    EXPECT_EQ(device.depth(), 32);
    EXPECT_EQ(device.devicePixelRatio(), 1);
    EXPECT_TRUE(device.Bytes().isEmpty()); // nothing recorded yet

    QPainter painter(&device);
    painter.end();
    const QByteArray bytes = device.Bytes();
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    EXPECT_EQ(emf.I32(emf.Records().front(), 32), std::lround(299 * 2540.0 / 96));
    EXPECT_EQ(emf.U32(emf.Records().front(), 60), 0u); // no title, no description
    EXPECT_EQ(emf.Records().front().Size, 108u);

    // A zero size still gives a one-pixel picture.
    TEmfPaintDevice empty({0, -5});
    QPainter(&empty).end();
    ExpectWellFormed(empty.Bytes());
}

TEST(EmfRecorder, ConnectedLinesBecomeFewPolylineRecords)
{
    constexpr int n = 100000;
    std::vector<QLineF> lines;
    for (int i = 0; i + 1 < n; ++i)
        lines.emplace_back(QPointF(i % 1000, (i * 7) % 500), QPointF((i + 1) % 1000, ((i + 1) * 7) % 500));
    QPolygonF polyline;
    for (int i = 0; i < n; ++i)
        polyline << QPointF(i % 1000 + 0.5, std::sin(i * 0.01) * 200 + 250.5);

    for (const bool asLines : {true, false}) {
        const QByteArray bytes = Record({1000, 500}, [&](QPainter& p) {
            p.setPen(QPen(Qt::blue, 2));
            if (asLines)
                p.drawLines(lines.data(), int(lines.size()));
            else
                p.drawPolyline(polyline);
        });
        ExpectWellFormed(bytes);
        const TEmfRecords emf(bytes);
        const auto records = emf.OfType(EMR_POLYLINE16);
        EXPECT_GE(records.size(), 1u);
        EXPECT_LE(records.size(), 5u);
        uint32_t points = 0;
        for (const TEmfRecord& r : records)
            points += emf.U32(r, 24);
        EXPECT_GE(points, uint32_t(n));
        EXPECT_LE(points, uint32_t(n + 5)); // a split repeats its joint
        EXPECT_LT(bytes.size(), 5 * n);
        EXPECT_EQ(emf.Count(EMR_EXTCREATEPEN), 1);
    }
}

TEST(EmfRecorder, PensAreCreatedOnlyWhenTheyChange)
{
    const QByteArray bytes = Record({100, 100}, [](QPainter& p) {
        QPen pen(QColor(10, 20, 30), 3, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin);
        p.setPen(pen);
        p.drawLine(0, 0, 10, 0);
        p.drawLine(20, 20, 30, 30); // not connected: a second polyline, same pen
        p.setPen(pen);              // same pen again
        p.drawLine(40, 40, 50, 50);
        QPen dashed(Qt::red, 2, Qt::CustomDashLine, Qt::RoundCap, Qt::MiterJoin);
        dashed.setDashPattern({4, 2});
        p.setPen(dashed);
        p.drawLine(0, 90, 90, 90);
        QPen dotted(Qt::red, 1);
        dotted.setDashPattern({1, 1}); // the classic dot: PS_DOT
        p.setPen(dotted);
        p.drawLine(0, 95, 90, 95);
        p.setPen(Qt::NoPen);
        p.drawLine(0, 0, 5, 5); // draws nothing
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    const auto pens = emf.OfType(EMR_EXTCREATEPEN);
    ASSERT_EQ(pens.size(), 3u);
    EXPECT_EQ(emf.Count(EMR_POLYLINE16), 5);
    // Solid, flat caps, bevel joins, geometric; width; COLORREF.
    EXPECT_EQ(emf.U32(pens[0], 28), 0x10000u | 0x200u | 0x1000u);
    EXPECT_EQ(emf.U32(pens[0], 32), 3u);
    EXPECT_EQ(emf.U32(pens[0], 40), 10u | (20u << 8) | (30u << 16));
    // User style, round caps, miter joins; the dash pattern in pixels.
    EXPECT_EQ(emf.U32(pens[1], 28), 0x10000u | 0x2000u | 7u);
    EXPECT_EQ(emf.U32(pens[1], 48), 2u);
    EXPECT_EQ(emf.U32(pens[1], 52), 8u);
    EXPECT_EQ(emf.U32(pens[1], 56), 4u);
    EXPECT_EQ(pens[1].Size, 52u + 8u);
    EXPECT_EQ(emf.U32(pens[2], 28) & 0xFF, 2u);
    EXPECT_EQ(emf.U32(pens[2], 48), 0u);
}

TEST(EmfRecorder, AlternatingPensAreSelectedAgainNotMadeAgain)
{
    const QByteArray bytes = Record({100, 100}, [](QPainter& p) {
        for (int i = 0; i < 50; ++i) {
            p.setPen(QPen(Qt::blue, 1));
            p.setBrush(Qt::NoBrush);
            p.drawLine(i, 0, i, 50);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::yellow);
            p.drawRect(i, 60, 3, 3);
        }
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    EXPECT_EQ(emf.Count(EMR_EXTCREATEPEN), 2);
    EXPECT_EQ(emf.Count(EMR_CREATEBRUSHINDIRECT), 1);
    EXPECT_EQ(emf.Count(EMR_DELETEOBJECT), 3); // at the end
    EXPECT_LT(bytes.size(), 100 * 80);
}

TEST(EmfRecorder, ShapesBecomeTheirOwnRecords)
{
    const QByteArray bytes = Record({200, 200}, [](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(QColor(0, 128, 255));
        p.drawRect(QRect(10, 10, 30, 20));
        p.drawEllipse(QRectF(50, 50, 40, 20));
        const QPolygon triangle({QPoint(0, 0), QPoint(50, 0), QPoint(25, 40)});
        p.drawPolygon(triangle, Qt::OddEvenFill);
        p.drawRoundedRect(QRectF(100, 100, 60, 40), 8, 6);
        QPainterPath leaf(QPointF(10, 150));
        leaf.cubicTo(QPointF(30, 120), QPointF(60, 120), QPointF(80, 150));
        leaf.closeSubpath();
        p.drawPath(leaf);
        p.fillRect(QRect(0, 190, 100, 1), Qt::red);
        QPainterPath empty;
        p.drawPath(empty);
        p.drawRect(QRectF(5, 5, 0, 0));
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    const auto rects = emf.OfType(EMR_RECTANGLE);
    ASSERT_GE(rects.size(), 2u);
    EXPECT_EQ(emf.I32(rects[0], 8), 10);
    EXPECT_EQ(emf.I32(rects[0], 12), 10);
    EXPECT_EQ(emf.I32(rects[0], 16), 40);
    EXPECT_EQ(emf.I32(rects[0], 20), 30);
    EXPECT_EQ(emf.Count(EMR_ELLIPSE), 1);
    EXPECT_EQ(emf.Count(EMR_POLYGON16), 1);
    EXPECT_EQ(emf.U32(emf.OfType(EMR_SETPOLYFILLMODE).front(), 8), 1u);
    // Rounded rectangles stay curved paths: LibreOffice draws EMR_ROUNDRECT's
    // corners twice the size the other renderers draw.
    EXPECT_EQ(emf.Count(EMR_ROUNDRECT), 0);
    EXPECT_EQ(emf.Count(EMR_BEGINPATH), 2);
    EXPECT_GE(emf.Count(EMR_POLYBEZIERTO16), 2);
    EXPECT_EQ(emf.Count(EMR_ENDPATH), 2);
    EXPECT_EQ(emf.Count(EMR_STROKEANDFILLPATH), 2);
    const auto brushes = emf.OfType(EMR_CREATEBRUSHINDIRECT);
    ASSERT_EQ(brushes.size(), 2u); // blue, red for fillRect; blue is selected again for the last rectangle
    EXPECT_EQ(emf.U32(brushes[0], 16), 0u | (128u << 8) | (255u << 16));
}

// The chart canvas fills an ellipse and then frames it: a frame of the same
// box joins the fill in one record; anything else lets the fill out first,
// in its place.
TEST(EmfRecorder, AnEllipseFillAndItsFrameBecomeOneRecord)
{
    const QByteArray bytes = Record({200, 200}, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::red);
        p.drawEllipse(QRectF(10, 10, 20, 20));
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10.5, 10.5, 20, 20)); // the frame, half a pixel in
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::blue);
        p.drawEllipse(QRectF(50, 50, 20, 20)); // a fill followed by a line
        p.setPen(Qt::black);
        p.drawLine(0, 0, 100, 100);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(120, 120, 20, 20)); // a fill, then a clip, then its frame
        p.setClipRect(QRect(0, 0, 150, 150));
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(120.5, 120.5, 20, 20));
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    const std::vector<uint32_t> types = emf.Types();
    std::vector<uint32_t> drawn;
    for (uint32_t t : types)
        if (t == EMR_ELLIPSE || t == EMR_POLYLINE16 || t == EMR_INTERSECTCLIPRECT)
            drawn.push_back(t);
    EXPECT_EQ(drawn, (std::vector<uint32_t>{EMR_ELLIPSE, EMR_ELLIPSE, EMR_POLYLINE16, EMR_ELLIPSE, EMR_INTERSECTCLIPRECT, EMR_ELLIPSE}));
}

TEST(EmfRecorder, ClipRectangleWrapsTheDrawingInSaveAndRestore)
{
    const QByteArray bytes = Record({200, 200}, [](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setClipRect(QRect(10, 10, 50, 40));
        p.drawLine(0, 0, 100, 100);
        p.setPen(QPen(Qt::red, 2)); // a pen made inside the clip
        p.drawLine(0, 100, 100, 0);
        p.setClipping(false);
        p.drawLine(0, 50, 100, 50);
        p.save();
        p.translate(5, 5);
        p.setClipRect(QRect(0, 0, 20, 20)); // in the translated system
        p.drawLine(0, 0, 1, 1);
        p.restore();
        p.drawLine(0, 60, 100, 60);
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    std::vector<uint32_t> sequence;
    for (const uint32_t t : emf.Types())
        if (t == EMR_SAVEDC || t == EMR_RESTOREDC || t == EMR_INTERSECTCLIPRECT || t == EMR_POLYLINE16)
            sequence.push_back(t);
    const std::vector<uint32_t> expected{EMR_SAVEDC,     EMR_INTERSECTCLIPRECT, EMR_POLYLINE16, EMR_POLYLINE16, EMR_RESTOREDC, EMR_POLYLINE16,
                                         EMR_SAVEDC,     EMR_INTERSECTCLIPRECT, EMR_POLYLINE16, EMR_RESTOREDC, EMR_POLYLINE16};
    EXPECT_EQ(sequence, expected);
    // EMR_RESTOREDC brought back the black pen: the red one is selected again
    // before the next line.
    const uint32_t red = emf.U32(emf.OfType(EMR_EXTCREATEPEN).at(1), 8);
    const auto& records = emf.Records();
    size_t at = 0;
    while (records[at].Type != EMR_RESTOREDC)
        ++at;
    bool reselected = false;
    for (++at; records[at].Type != EMR_POLYLINE16; ++at)
        reselected = reselected || (records[at].Type == EMR_SELECTOBJECT && emf.U32(records[at], 8) == red);
    EXPECT_TRUE(reselected);

    const auto clips = emf.OfType(EMR_INTERSECTCLIPRECT);
    ASSERT_EQ(clips.size(), 2u);
    EXPECT_EQ(emf.I32(clips[0], 8), 10);
    EXPECT_EQ(emf.I32(clips[0], 12), 10);
    EXPECT_EQ(emf.I32(clips[0], 16), 60);
    EXPECT_EQ(emf.I32(clips[0], 20), 50);
    EXPECT_EQ(emf.I32(clips[1], 8), 5);
    EXPECT_EQ(emf.I32(clips[1], 16), 25);
}

TEST(EmfRecorder, TextBecomesUtf16WithAdvances)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(20);
    font.setBold(true);
    const QString title = QStringLiteral("タイトル");
    const QByteArray bytes = Record({200, 100}, [&](QPainter& p) {
        p.setFont(font);
        p.setPen(QColor(1, 2, 3));
        p.drawText(QPointF(10, 50), title);
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    const auto fonts = emf.OfType(EMR_EXTCREATEFONTINDIRECTW);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].Size, 368u);
    EXPECT_EQ(emf.I32(fonts[0], 12), -20);
    EXPECT_EQ(emf.I32(fonts[0], 28), 700);
    EXPECT_EQ(emf.U8(fonts[0], 35), 128); // SHIFTJIS
    EXPECT_EQ(emf.Utf16(fonts[0], 40, 10), QStringLiteral("IPAPGothic"));

    const auto texts = emf.OfType(EMR_EXTTEXTOUTW);
    ASSERT_EQ(texts.size(), 1u);
    const TEmfRecord& t = texts[0];
    EXPECT_EQ(emf.I32(t, 36), 10);
    EXPECT_EQ(emf.I32(t, 40), 50);
    const uint32_t chars = emf.U32(t, 44);
    ASSERT_EQ(chars, 4u);
    EXPECT_EQ(emf.Utf16(t, emf.U32(t, 48), chars), title);
    const uint32_t offDx = emf.U32(t, 72);
    ASSERT_LE(offDx + 4 * chars, t.Size);
    int total = 0;
    for (uint32_t i = 0; i < chars; ++i) {
        EXPECT_GT(emf.I32(t, offDx + 4 * i), 0);
        total += emf.I32(t, offDx + 4 * i);
    }
    TEmfPaintDevice device({10, 10});
    EXPECT_NEAR(total, QFontMetricsF(font, &device).horizontalAdvance(title), 1.0);
    EXPECT_EQ(emf.Count(EMR_SETTEXTCOLOR), 1);

    // A Latin face gets the default character set; kerned pairs keep the
    // advances adding up to the text's width.
    const QFont sans(QStringLiteral("Liberation Sans"), 30);
    const QString kerned = QStringLiteral("AVATAR");
    const QByteArray latin = Record({300, 50}, [&](QPainter& p) {
        p.setFont(sans);
        p.drawText(QPointF(1, 40), kerned);
    });
    const TEmfRecords plain(latin);
    ASSERT_EQ(plain.Count(EMR_EXTCREATEFONTINDIRECTW), 1);
    EXPECT_EQ(plain.U8(plain.OfType(EMR_EXTCREATEFONTINDIRECTW)[0], 35), 1);
    const TEmfRecord k = plain.OfType(EMR_EXTTEXTOUTW).at(0);
    int kernedTotal = 0;
    for (int i = 0; i < kerned.size(); ++i)
        kernedTotal += plain.I32(k, plain.U32(k, 72) + 4 * i);
    EXPECT_NEAR(kernedTotal, QFontMetricsF(sans, &device).horizontalAdvance(kerned), 1.0);
}

TEST(EmfRecorder, UnderlineAndStrikeOutAreTheFontsNotExtraLines)
{
    QFont font(QStringLiteral("Liberation Sans"), 12);
    font.setUnderline(true);
    font.setStrikeOut(true);
    const QByteArray bytes = Record({200, 100}, [&](QPainter& p) {
        p.setFont(font);
        p.drawText(QPointF(10, 50), QStringLiteral("Struck"));
        p.drawLine(0, 90, 100, 90); // a line of the drawing itself stays
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    const auto fonts = emf.OfType(EMR_EXTCREATEFONTINDIRECTW);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(emf.U8(fonts[0], 33), 1); // underline
    EXPECT_EQ(emf.U8(fonts[0], 34), 1); // strike-out
    const auto lines = emf.OfType(EMR_POLYLINE16);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(emf.I16(lines[0], 30), 90);
}

TEST(EmfRecorder, RotatedTextCarriesTheEscapement)
{
    const QByteArray bytes = Record({200, 200}, [](QPainter& p) {
        p.translate(50, 150);
        p.rotate(-90); // reads upward
        p.drawText(QPointF(0, 0), QStringLiteral("Up"));
        p.resetTransform();
        p.translate(150, 50);
        p.rotate(90); // reads downward
        p.drawText(QPointF(0, 0), QStringLiteral("Down"));
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    const auto fonts = emf.OfType(EMR_EXTCREATEFONTINDIRECTW);
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(emf.I32(fonts[0], 20), 900);
    EXPECT_EQ(emf.I32(fonts[0], 24), 900);
    EXPECT_EQ(emf.I32(fonts[1], 20), 2700);
    const auto texts = emf.OfType(EMR_EXTTEXTOUTW);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(emf.I32(texts[0], 36), 50);
    EXPECT_EQ(emf.I32(texts[0], 40), 150);
}

TEST(EmfRecorder, LargeCoordinatesUse32BitPointsAndHugeOnesAreClamped)
{
    const QByteArray bytes = Record({100, 100}, [](QPainter& p) {
        p.drawLine(QPointF(0, 0), QPointF(40000, 5));
        p.drawLine(QPointF(0, 0), QPointF(1e12, -1e12));
        p.drawLine(QPointF(qQNaN(), 0), QPointF(1, 1));
        p.setBrush(Qt::red);
        p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(-50000, 0), QPointF(0, 70000)}));
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    const auto lines = emf.OfType(EMR_POLYLINE);
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(emf.I32(lines[0], 28), 0);
    EXPECT_EQ(emf.I32(lines[0], 36), 40000);
    bool clamped = false;
    for (const TEmfRecord& r : lines)
        for (uint32_t i = 0; i < emf.U32(r, 24); ++i)
            clamped = clamped || (emf.I32(r, 28 + 8 * i) == INT32_MAX && emf.I32(r, 32 + 8 * i) == INT32_MIN);
    EXPECT_TRUE(clamped);
    EXPECT_EQ(emf.Count(EMR_POLYGON), 1);
}

TEST(EmfRecorder, ImageBecomesStretchDibits)
{
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    QImage translucent(2, 2, QImage::Format_ARGB32);
    translucent.fill(Qt::transparent);
    const QByteArray bytes = Record({100, 100}, [&](QPainter& p) {
        p.drawImage(QRect(5, 6, 40, 20), image);
        p.drawImage(QPoint(50, 50), translucent);
    });
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    const auto images = emf.OfType(EMR_STRETCHDIBITS);
    ASSERT_EQ(images.size(), 2u);
    const TEmfRecord& r = images[0];
    EXPECT_EQ(emf.I32(r, 24), 5);
    EXPECT_EQ(emf.I32(r, 28), 6);
    EXPECT_EQ(emf.I32(r, 40), 8);
    EXPECT_EQ(emf.I32(r, 44), 4);
    EXPECT_EQ(emf.I32(r, 72), 40);
    EXPECT_EQ(emf.I32(r, 76), 20);
    const uint32_t offBmi = emf.U32(r, 48);
    EXPECT_EQ(emf.U32(r, offBmi), 40u);
    EXPECT_EQ(emf.I32(r, offBmi + 4), 8);
    EXPECT_EQ(emf.I32(r, offBmi + 8), -4); // top-down
    EXPECT_EQ(emf.U16(r, offBmi + 14), 32);
    const uint32_t offBits = emf.U32(r, 56);
    EXPECT_EQ(emf.U32(r, 60), 8u * 4u * 4u);
    ASSERT_LE(offBits + emf.U32(r, 60), r.Size);
    EXPECT_EQ(emf.U8(r, offBits), 30); // B, G, R
    EXPECT_EQ(emf.U8(r, offBits + 1), 20);
    EXPECT_EQ(emf.U8(r, offBits + 2), 10);
    // Transparent pixels are composited onto white.
    const TEmfRecord& t = images[1];
    EXPECT_EQ(emf.U8(t, emf.U32(t, 56)), 255);
}

TEST(EmfRecorder, TheChartCanvasDrawsIntoIt)
{
    TEmfPaintDevice device({160, 120});
    TAntialiasCanvas canvas;
    canvas.SetBufferedDisplay(false);
    canvas.SetRenderContext(TRenderContext::For(roMetafile, ClassicSystemPalette()));
    canvas.InitWindow(&device, {0, 0, 160, 120}, false, clWhite);
    canvas.Rectangle(0, 0, 160, 120);
    canvas.ClipRectangle({10, 10, 150, 110});
    std::vector<TPoint> points;
    for (int i = 0; i < 200; ++i)
        points.push_back({10 + i * 140 / 200, 60 + (i % 20) - 10});
    canvas.Polyline(points);
    canvas.UnClipRectangle();
    canvas.RoundRect(20, 80, 60, 100, 10, 10);
    canvas.ClipRectangle({30, 30, 90, 70}, 8, 8); // rounded: clips to its box
    canvas.Line(0, 50, 160, 50);
    canvas.UnClipRectangle();
    canvas.SetBackMode(cbmTransparent);
    canvas.TextOut(20, 5, QStringLiteral("Title"));
    canvas.RotateLabel(5, 100, QStringLiteral("Axis"), 90);
    canvas.ShowImage(&device, {0, 0, 160, 120});
    const QByteArray bytes = device.Bytes();
    ExpectWellFormed(bytes);
    const TEmfRecords emf(bytes);
    EXPECT_EQ(emf.Count(EMR_SAVEDC), 2);
    EXPECT_GE(emf.Count(EMR_BEGINPATH), 1);
    EXPECT_EQ(emf.I32(emf.OfType(EMR_INTERSECTCLIPRECT).at(1), 8), 30);
    EXPECT_GE(emf.Count(EMR_EXTTEXTOUTW), 2);
    EXPECT_LE(emf.Count(EMR_POLYLINE16), 6);
    bool upward = false;
    for (const TEmfRecord& f : emf.OfType(EMR_EXTCREATEFONTINDIRECTW))
        upward = upward || emf.I32(f, 20) == 900;
    EXPECT_TRUE(upward);
}

// Arbitrary mixes of state changes, clips and drawing keep the file and its
// object table sound, also when the device records a second time.
TEST(EmfRecorder, RandomDrawingKeepsTheFileSound)
{
    TEmfPaintDevice device({120, 90});
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(QColor(10, 200, 30, 128));
    for (int round = 0; round < 2; ++round) {
        uint32_t seed = 12345 + round;
        auto next = [&](int n) {
            seed = seed * 1664525u + 1013904223u;
            return int((seed >> 8) % uint32_t(n));
        };
        QPainter p(&device);
        int saved = 0;
        for (int step = 0; step < 400; ++step) {
            const QPointF a(next(200) - 40, next(150) - 30);
            const QPointF b(next(200) - 40, next(150) - 30);
            switch (next(16)) {
            case 0: p.setPen(QPen(QColor::fromRgb(next(40) * 6, 0, 0), next(4))); break;
            case 1: p.setPen(Qt::NoPen); break;
            case 2: p.setBrush(next(4) ? QBrush(QColor::fromRgb(0, next(40) * 6, 0)) : QBrush()); break;
            case 3: p.setClipRect(QRectF(a, b).normalized(), next(2) ? Qt::IntersectClip : Qt::ReplaceClip); break;
            case 4: p.setClipping(next(2) == 0); break;
            case 5:
                if (saved < 3) {
                    p.save();
                    ++saved;
                    p.translate(next(10), next(10));
                } else {
                    p.restore();
                    --saved;
                }
                break;
            case 6: p.drawLine(a, b); break;
            case 7: p.drawPolyline(QPolygonF({a, b, a + QPointF(5, 5)})); break;
            case 8: p.drawRect(QRectF(a, b)); break;
            case 9: p.drawEllipse(QRectF(a, b)); break;
            case 10:
                p.setFont(QFont(QStringLiteral("Liberation Sans"), 6 + next(30)));
                p.drawText(a, QStringLiteral("軸 %1").arg(step));
                break;
            case 11: p.drawImage(QRectF(a, b).normalized(), picture); break;
            case 12: {
                QPainterPath path(a);
                path.cubicTo(b, a + QPointF(9, 0), b + QPointF(0, 9));
                path.closeSubpath();
                p.drawPath(path);
                break;
            }
            case 13: p.setClipPath(QPainterPath(), Qt::NoClip); break;
            case 14: p.drawTiledPixmap(QRectF(a, b).normalized(), QPixmap::fromImage(picture)); break;
            case 15: p.drawPoint(a); break;
            }
        }
        p.end();
        ExpectWellFormed(device.Bytes());
        const TEmfRecords emf(device.Bytes());
        EXPECT_GT(emf.Count(EMR_SAVEDC), 10);
        EXPECT_GT(emf.Count(EMR_EXTCREATEPEN), 16); // more than stay alive: some were evicted
    }
}
