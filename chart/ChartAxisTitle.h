#pragma once

#include <QString>

class TChartAxis;

// The title of an axis. Its text may hold several lines separated by carriage
// returns; the caption is the first of them.
class TChartAxisTitle {
public:
    TChartAxisTitle(TChartAxis* AAxis, int AAngle);
    TChartAxisTitle(const TChartAxisTitle&) = delete;
    TChartAxisTitle& operator=(const TChartAxisTitle&) = delete;

    TChartAxis* Axis() const { return FAxis; }

    const QString& Text() const { return FText; }
    void SetText(const QString& Value);
    QString Caption() const;
    void SetCaption(const QString& Value) { SetText(Value); }

    int Angle() const { return FAngle; }
    void SetAngle(int Value);
    int IDefaultAngle() const { return FDefaultAngle; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    void Repaint();

    TChartAxis* FAxis;
    QString FText;
    int FAngle;
    int FDefaultAngle;
    bool FVisible = true;
};
