#pragma once

#include "chart/axes/CustomTextShape.h"

#include <QString>

class TChartAxis;

enum TAxisTitlePosition { tpStart, tpCenter, tpEnd };

// The title of an axis: a transparent text shape drawn outside the labels,
// turned by its angle (the left title reads upwards). Its text may hold
// several lines separated by carriage returns; the caption is the first.
class TChartAxisTitle : public TCustomTextShape {
public:
    TChartAxisTitle(TChartAxis* AAxis, int AAngle);
    ~TChartAxisTitle() override;

    TChartAxis* Axis() const { return FAxis; }

    QString Caption() const;
    void SetCaption(const QString& Value) { SetText(Value); }

    // Counter-clockwise degrees.
    int Angle() const { return FAngle; }
    void SetAngle(int Value);
    // The angle the title was made with.
    int IDefaultAngle() const { return FDefaultAngle; }
    TAxisTitlePosition Position() const { return FPosition; }
    void SetPosition(TAxisTitlePosition Value);

protected:
    void DrawContents() override;

private:
    TChartAxis* FAxis;
    int FAngle;
    int FDefaultAngle;
    TAxisTitlePosition FPosition = tpCenter;
};
