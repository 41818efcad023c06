#include "formats/EmfPaintDevice.h"

#include "formats/EmfPaintEngine.h"
#include "core/Numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int kDpi = 96;
constexpr double kMmPerInch = 25.4;

} // namespace

TEmfPaintDevice::TEmfPaintDevice(QSize Size, QSizeF ScreenMillimeters, QSize ScreenPixels, const QString& Title)
    : FSize(std::max(1, Size.width()), std::max(1, Size.height()))
{
    const bool screenKnown = ScreenPixels.width() > 0 && ScreenPixels.height() > 0 &&
                             ScreenMillimeters.width() > 0 && ScreenMillimeters.height() > 0 &&
                             std::isfinite(ScreenMillimeters.width()) && std::isfinite(ScreenMillimeters.height());
    if (screenKnown) {
        FScreenPixels = ScreenPixels;
        FScreenMillimeters = ScreenMillimeters;
    } else {
        // No physical size from the platform: a 96 dpi screen of the picture's size.
        FScreenPixels = FSize;
        FScreenMillimeters = QSizeF(FSize.width() * kMmPerInch / kDpi, FSize.height() * kMmPerInch / kDpi);
    }
    FEngine = std::make_unique<TEmfPaintEngine>(FSize, FScreenPixels, FScreenMillimeters, Title);
}

TEmfPaintDevice::~TEmfPaintDevice() = default;

QPaintEngine* TEmfPaintDevice::paintEngine() const { return FEngine.get(); }

QByteArray TEmfPaintDevice::Bytes() const { return FEngine->Bytes(); }

int TEmfPaintDevice::metric(PaintDeviceMetric Metric) const
{
    const double mmPerPxX = FScreenMillimeters.width() / FScreenPixels.width();
    const double mmPerPxY = FScreenMillimeters.height() / FScreenPixels.height();
    switch (Metric) {
    case PdmWidth: return FSize.width();
    case PdmHeight: return FSize.height();
    case PdmWidthMM: return Numbers::RoundInt(FSize.width() * mmPerPxX);
    case PdmHeightMM: return Numbers::RoundInt(FSize.height() * mmPerPxY);
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY: return kDpi;
    case PdmPhysicalDpiX: return std::max(1, Numbers::RoundInt(kMmPerInch / mmPerPxX));
    case PdmPhysicalDpiY: return std::max(1, Numbers::RoundInt(kMmPerInch / mmPerPxY));
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}
