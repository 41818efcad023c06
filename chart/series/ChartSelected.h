#pragma once

#include "chart/series/ChartHover.h"
#include "core/ChangeNotifier.h"

#include <functional>
#include <utility>

// The selection state of a chart element; made on first use. Only its hover
// part is used: HoverIndex names what lies under the mouse (-1 = nothing).
class TChartSelected : public TChangeNotifier {
public:
    explicit TChartSelected(std::function<void()> OnChange)
        : TChangeNotifier(std::move(OnChange)), FHover([this] { Changed(); })
    {
    }

    // The selection itself is never drawn.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { Set(FVisible, Value); }
    TChartHover* Hover() { return &FHover; }
    const TChartHover* Hover() const { return &FHover; }
    int HoverIndex() const { return FHoverIndex; }
    void SetHoverIndex(int Value) { Set(FHoverIndex, Value); }

private:
    bool FVisible = false;
    TChartHover FHover;
    int FHoverIndex = -1;
};
