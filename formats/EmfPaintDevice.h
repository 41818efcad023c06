#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <memory>

class TEmfPaintEngine;

// A paint device that records what a QPainter draws on it as an enhanced
// metafile (plain EMF records, no EMF+), so the canvas code that draws the
// screen draws metafiles unchanged. The reference device is the screen: its
// size in pixels and in millimetres give the file's physical frame; without
// them (or when the platform reports none) the screen is taken at 96 dpi.
// Text is measured at 96 dpi, as on screen. A title gives the file the
// description "Plotvane\0<title>\0\0"; without one it has none.
class TEmfPaintDevice : public QPaintDevice {
public:
    explicit TEmfPaintDevice(QSize Size, QSizeF ScreenMillimeters = {}, QSize ScreenPixels = {},
                             const QString& Title = {});
    ~TEmfPaintDevice() override;

    QPaintEngine* paintEngine() const override;

    // The finished file once the painter has ended; empty before.
    QByteArray Bytes() const;

    QSize Size() const { return FSize; }
    // The reference screen, as written to the header.
    QSize ScreenPixels() const { return FScreenPixels; }
    QSizeF ScreenMillimeters() const { return FScreenMillimeters; }

protected:
    int metric(PaintDeviceMetric Metric) const override;

private:
    QSize FSize;
    QSize FScreenPixels;
    QSizeF FScreenMillimeters;
    std::unique_ptr<TEmfPaintEngine> FEngine;
};
