#pragma once

#include "chart/canvas/Graphic.h"

#include <QString>

#include <functional>
#include <memory>

// Holds one decoded picture; every change tells the owner.
class TChartPicture {
public:
    explicit TChartPicture(std::function<void()> OnChange = {});
    TChartPicture(const TChartPicture&) = delete;
    TChartPicture& operator=(const TChartPicture&) = delete;
    virtual ~TChartPicture();

    const TGraphic* Graphic() const { return FGraphic.get(); }
    // Takes the picture; nullptr clears it.
    void SetGraphic(std::unique_ptr<TGraphic> Value);
    void Clear() { SetGraphic(nullptr); }
    // Holds a non-empty picture.
    bool Valid() const;

    // Decodes the file chosen by its lower-case extension and takes the
    // picture. Throws EPictureError (an unknown extension before reading,
    // otherwise the decoder's message); the previous picture then stays.
    void LoadFromFile(const QString& FileName);
    static std::unique_ptr<TGraphic> LoadGraphic(const QString& FileName);

private:
    std::unique_ptr<TGraphic> FGraphic;
    std::function<void()> FOnChange;
};
