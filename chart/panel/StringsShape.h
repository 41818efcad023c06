#pragma once

#include "chart/axes/CustomTextShape.h"

class TChartContext;

#include <QStringList>

// A text shape whose text is a list of lines.
class TStringsShape : public TCustomTextShape {
public:
    explicit TStringsShape(TChartContext* AChart);
    ~TStringsShape() override;

    const QStringList& Text() const { return FLinesText; }
    void SetText(const QStringList& Value);
    void ClearText();
    void AddText(const QString& Line);

protected:
    // The lines joined by carriage returns; line feeds dropped.
    QString GetText() const override;

    QStringList FLinesText;
};
