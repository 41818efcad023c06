#include "app/ChartCommands.h"

#include "chart/BackImage.h"
#include "chart/Chart.h"
#include "chart/ChartBackWall.h"
#include "chart/ChartTitle.h"

namespace ChartCommands {

void SetTitleText(TChart& Chart, const QString& Text)
{
    Chart.Title()->ClearText();
    Chart.Title()->AddText(Text);
}

void SetTitleFont(TChart& Chart, const TFontChoice& Font)
{
    TChartFont* f = Chart.Title()->Font();
    f->SetName(Font.Name);
    f->SetSize(Font.Size);
    f->SetColor(Font.Color);
    f->SetStyle(Font.Style);
}

void SetTitleAlignment(TChart& Chart, int Item)
{
    switch (Item) {
    case 0:
        Chart.Title()->SetAlignment(taLeftJustify);
        break;
    case 1:
        Chart.Title()->SetAlignment(taCenter);
        break;
    case 2:
        Chart.Title()->SetAlignment(taRightJustify);
        break;
    default:
        break;
    }
}

void SetPanelColor(TChart& Chart, TColor Color) { Chart.SetColor(Color); }

void SetWallColor(TChart& Chart, TColor Color)
{
    Chart.BackWall()->Picture()->Clear();
    Chart.BackWall()->SetColor(Color);
    Chart.BackWall()->SetTransparent(false);
}

void SetWallPicture(TChart& Chart, const QString& FileName)
{
    Chart.BackWall()->SetTransparent(true);
    Chart.BackWall()->Picture()->LoadFromFile(FileName);
}

void SetShadow(TChart& Chart, bool Visible) { Chart.Shadow()->SetVisible(Visible); }

void SetBorder(TChart& Chart, bool Visible) { Chart.Border()->SetVisible(Visible); }

} // namespace ChartCommands
