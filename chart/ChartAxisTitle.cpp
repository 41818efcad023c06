#include "chart/ChartAxisTitle.h"

#include "chart/ChartAxis.h"

TChartAxisTitle::TChartAxisTitle(TChartAxis* AAxis, int AAngle)
    : FAxis(AAxis), FAngle(AAngle), FDefaultAngle(AAngle)
{
}

void TChartAxisTitle::SetText(const QString& Value)
{
    if (FText != Value) {
        FText = Value;
        Repaint();
    }
}

QString TChartAxisTitle::Caption() const
{
    const qsizetype CR = FText.indexOf(QChar(u'\r'));
    return CR < 0 ? FText : FText.left(CR);
}

void TChartAxisTitle::SetAngle(int Value)
{
    if (FAngle != Value) {
        FAngle = Value;
        Repaint();
    }
}

void TChartAxisTitle::SetVisible(bool Value)
{
    if (FVisible != Value) {
        FVisible = Value;
        Repaint();
    }
}

void TChartAxisTitle::Repaint()
{
    if (FAxis)
        FAxis->Repaint();
}
