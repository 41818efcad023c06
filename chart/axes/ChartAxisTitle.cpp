#include "chart/axes/ChartAxisTitle.h"

#include "core/ChangeNotifier.h"
#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartContext.h"
#include "chart/canvas/ChartCanvas.h"

#include <QStringList>

TChartAxisTitle::TChartAxisTitle(TChartAxis* AAxis, int AAngle)
    : TCustomTextShape(AAxis ? AAxis->ParentChart() : nullptr),
      FAxis(AAxis),
      FAngle(AAngle),
      FDefaultAngle(AAngle)
{
    FTextAlign = taCenter;
    FTransparent = true;
}

TChartAxisTitle::~TChartAxisTitle() = default;

QString TChartAxisTitle::Caption() const
{
    const qsizetype CR = FText.indexOf(QChar(u'\r'));
    return CR < 0 ? FText : FText.left(CR);
}

void TChartAxisTitle::SetAngle(int Value)
{
    if (Change(FAngle, Value))
        Repaint();
}

void TChartAxisTitle::SetPosition(TAxisTitlePosition Value)
{
    if (Change(FPosition, Value))
        Repaint();
}

void TChartAxisTitle::DrawContents()
{
    if (FAngle == 0) {
        TCustomTextShape::DrawContents();
        return;
    }
    // Each line is drawn where the unturned shape would put it, turned about
    // the centre of the whole box so that the lines stay together.
    TChartCanvas& C = *FParentChart->Canvas();
    C.SetBackMode(cbmTransparent);
    FParentChart->PrepareFont3D(FFont);
    QString Text = FText;
    Text.remove(QChar(10));
    if (Text.isEmpty())
        Text = QStringLiteral(" ");
    const QStringList Lines = Text.split(QChar(13));

    const TRect& B = FShapeBounds;
    int x;
    switch (FTextAlign) {
    case taLeftJustify:
        x = B.Left;
        C.SetTextAlign(ta_LeftTop);
        break;
    case taRightJustify:
        x = B.Right;
        C.SetTextAlign(ta_Right);
        break;
    case taCenter:
    default:
        x = (B.Left + B.Right) / 2;
        C.SetTextAlign(ta_Center);
        break;
    }
    int y = B.Top;
    const int LineHeight = Lines.size() > 1 ? C.TextHeight(QStringLiteral("W")) : 0;
    C.SetTextCenter(true, {(B.Left + B.Right) / 2, (B.Top + B.Bottom) / 2});
    for (const QString& Line : Lines) {
        C.RotateLabel(x, y, Line, FAngle);
        y += LineHeight;
    }
    C.SetTextCenter(false, {});
}
