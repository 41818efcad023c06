#include "app/window/LegendTab.h"

#include "app/ChartCommands.h"
#include "app/window/ControlScaler.h"
#include "app/window/RadioGroup.h"

#include <iterator>

TLegendTab::TLegendTab(TControlScaler& Scaler, QWidget* Parent) : QWidget(Parent)
{
    // One item for each legend position the chart commands know.
    static const char* const Positions[] = {"Left", "Right", "Top", "Bottom"};
    static_assert(std::size(Positions) == ChartCommands::LegendPositionItems);
    LegendPosition = Scaler.Place(
        new TRadioGroup(QStringLiteral("位置"), TRadioGroup::ItemTexts(Positions), 1, this), 40, 26, 105, 92);
    LegendPosition->SetItemIndex(1);
}
