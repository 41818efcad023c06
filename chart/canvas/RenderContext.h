#pragma once

#include "core/Color.h"

#include <array>

// The colours the system-colour indexes 0..30 stand for.
using TSystemPalette = std::array<TColor, 31>;

// The classic desktop colours: what a chart uses until its host hands it the
// running application's.
const TSystemPalette& ClassicSystemPalette();

// True for a system colour: top byte 0xFF with an index in the low byte.
inline constexpr bool IsSystemColor(TColor Color) { return (Color & 0xFF000000u) == 0xFF000000u; }

// Where a frame goes.
enum TRenderOutput {
    roScreen,       // the window's picture
    roRasterExport, // a bitmap file or copy
    roVectorExport, // SVG, PDF
    roMetafile,     // EMF
};

// Everything a frame knows of where it goes and of the desktop, handed to it
// by its caller: nothing below the application reads the screens or the
// application's palette. Drawing code asks the questions below, never which
// output it is.
struct TRenderContext {
    TRenderOutput Output = roScreen;
    TSystemPalette Palette = ClassicSystemPalette();
    // What one pixel of the chart stands for where the output has a physical
    // size (a metafile's frame; vector pictures' units).
    double ReferenceDpi = 96;
    // Device pixels per chart pixel on the screen.
    double DevicePixelRatio = 1;

    static TRenderContext For(TRenderOutput Output, const TSystemPalette& Palette)
    {
        TRenderContext Context;
        Context.Output = Output;
        Context.Palette = Palette;
        return Context;
    }

    // Drawn into pixels: stamps of repeated figures and soft shadows are
    // pixel work a vector picture cannot take.
    bool Raster() const { return Output == roScreen || Output == roRasterExport; }
    // A primitive drawn again exactly over itself may be left out: in a
    // vector picture it only adds records.
    bool MergesRepeats() const { return !Raster(); }
    // Translucent colours survive in the output.
    bool KeepsAlpha() const { return Output != roMetafile; }
    // Text keeps its size in chart pixels whatever the device's resolution.
    bool TextAtReferenceSize() const { return !Raster(); }

    // A system colour becomes the palette's colour for it (black for an
    // index beyond the table); any other colour passes unchanged.
    TColor ResolveColor(TColor Color) const;
    // The panel's rule: clNone becomes black, then system colours resolve.
    TColor ResolvePanelColor(TColor Color) const { return Color == clNone ? clBlack : ResolveColor(Color); }
};
