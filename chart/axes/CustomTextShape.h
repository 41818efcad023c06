#pragma once

#include "chart/axes/CustomShape.h"

#include <QString>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextFormat { ttfNormal, ttfHtml };
enum TShapeMarginUnits { maPercentFont, maPercentSize, maPixels };

// Gaps between a shape's frame and its text.
struct TShapeMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    TShapeMarginUnits Units = maPercentFont;
    friend bool operator==(const TShapeMargins&, const TShapeMargins&) = default;
};

// A shape that sizes itself to its text and draws it aligned inside.
// Lines are separated by code 13.
class TCustomTextShape : public TCustomShape {
public:
    explicit TCustomTextShape(TChartContext* AChart);
    ~TCustomTextShape() override;

    const QString& Text() const { return FText; }
    void SetText(const QString& Value);
    TAlignment TextAlign() const { return FTextAlign; }
    void SetTextAlign(TAlignment Value);
    TTextFormat TextFormat() const { return FTextFormat; }
    void SetTextFormat(TTextFormat Value);
    bool ClipText() const { return FClipText; }
    void SetClipText(bool Value);
    const TShapeMargins& Margins() const { return FMargins; }
    void SetMargins(const TShapeMargins& Value);
    // Lines of the last layout.
    int Lines() const { return FLines; }

    // Sizes ShapeBounds to the text (with AutoSize), keeping its top-left.
    void CalcBounds();

protected:
    // The text laid out and drawn.
    virtual QString GetText() const { return FText; }
    void DrawContents() override;
    // Margins in pixels for a text of size W × H (zero when transparent).
    TShapeMargins PixelMargins(int W, int H);
    // Half the frame width and one more, for a framed background.
    int FrameTextOffset() const;

    QString FText;
    TAlignment FTextAlign = taLeftJustify;
    TTextFormat FTextFormat = ttfNormal;
    bool FClipText = true;
    TShapeMargins FMargins;
    int FLines = 0;
};
