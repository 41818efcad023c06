// Data text of any bytes through the whole import: decoding, line and cell
// splitting, number reading, magnification, series building, one frame.

#include "app/DataImport.h"
#include "chart/panel/Chart.h"
#include "chart/panel/PlotvaneChart.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size > 1 << 16)
        return 0;
    const bool AutoSize = Size > 0 && (Data[0] & 1);
    std::unique_ptr<TChart> chart = CreatePlotvaneChart();
    TDataImport import;
    import.AutoSize = AutoSize;
    import.SetDataBytes(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    try {
        import.BuildChart(*chart);
    } catch (const std::exception&) {
        // A data error is a valid outcome; a crash is not.
    }
    QImage image(200, 150, QImage::Format_RGB32);
    chart->Draw(&image, {0, 0, 200, 150});
    return 0;
}
