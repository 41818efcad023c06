#pragma once

#include "core/Color.h"

// True for a system colour: top byte 0xFF with an index in the low byte.
inline constexpr bool IsSystemColor(TColor Color) { return (Color & 0xFF000000u) == 0xFF000000u; }

// A system colour becomes the running palette's colour for it (fixed classic
// values when no GUI application exists); any other colour passes unchanged.
TColor ResolveColor(TColor Color);

// The panel's rule: clNone becomes black, then system colours resolve.
TColor ResolvePanelColor(TColor Color);
