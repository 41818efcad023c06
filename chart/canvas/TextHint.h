#pragma once

// How glyphs are rasterised: antialiased without grid fitting, one bit per
// pixel grid-fitted, or antialiased grid-fitted (what ClearType becomes here).
enum TTextHint { thAntiAlias, thSingleBitPerPixelGridFit, thClearTypeGridFit };
