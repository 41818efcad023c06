#include "chart/panel/BackImage.h"

#include "core/ChangeNotifier.h"
#include "chart/canvas/Graphic.h"

TBackImage::TBackImage(std::function<void()> OnChange) : TChartPicture(OnChange), FOnChange(std::move(OnChange))
{
}

TBackImage::~TBackImage() = default;

void TBackImage::Changed()
{
    if (FOnChange)
        FOnChange();
}

void TBackImage::SetMode(TBackImageMode Value)
{
    if (Change(FMode, Value))
        Changed();
}

void TBackImage::SetDrawQuality(TStretchQuality Value)
{
    if (Change(FDrawQuality, Value))
        Changed();
}

void TBackImage::SetInside(bool Value)
{
    if (Change(FInside, Value))
        Changed();
}

void TBackImage::SetCustomRect(const TRect& Value)
{
    if (Change(FCustomRect, Value))
        Changed();
}

void TBackImage::Draw(TChartCanvas& Canvas, const TRect& R) const
{
    if (!Valid())
        return;
    const TGraphic& Picture = *Graphic();
    const TStretchQuality OldQuality = Canvas.StretchQuality();
    Canvas.SetStretchQuality(FDrawQuality);
    switch (FMode) {
    case pbmStretch:
        Canvas.StretchDraw(R, Picture);
        break;
    case pbmCustom:
        Canvas.StretchDraw(FCustomRect, Picture);
        break;
    case pbmCenter: {
        const QSize S = Picture.Size();
        Canvas.Draw((R.Left + R.Right - S.width()) / 2, (R.Top + R.Bottom - S.height()) / 2, Picture);
        break;
    }
    case pbmTile: {
        const QSize S = Picture.Size();
        if (S.width() <= 0 || S.height() <= 0)
            break;
        Canvas.ClipRectangle(R);
        for (int y = R.Top; y < R.Bottom; y += S.height())
            for (int x = R.Left; x < R.Right; x += S.width())
                Canvas.Draw(x, y, Picture);
        Canvas.UnClipRectangle();
        break;
    }
    }
    Canvas.SetStretchQuality(OldQuality);
}
