#include "chart/panel/StringsShape.h"

#include "core/ChangeNotifier.h"

TStringsShape::TStringsShape(TChartContext* AChart) : TCustomTextShape(AChart) {}

TStringsShape::~TStringsShape() = default;

void TStringsShape::SetText(const QStringList& Value)
{
    if (Change(FLinesText, Value))
        Repaint();
}

void TStringsShape::ClearText()
{
    if (!FLinesText.isEmpty()) {
        FLinesText.clear();
        Repaint();
    }
}

void TStringsShape::AddText(const QString& Line)
{
    FLinesText.append(Line);
    Repaint();
}

QString TStringsShape::GetText() const
{
    QString Result = FLinesText.join(QStringLiteral("\r\n"));
    Result.remove(QChar(10));
    return Result;
}
