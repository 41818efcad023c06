#pragma once

#include <cstdint>

// A colour is 0xAABBGGRR: red in the lowest byte. The top byte is 0 for an
// ordinary colour, a transparency amount when the canvas forms its alpha, or
// 0xFF for a system colour whose index sits in the low byte.
using TColor = uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;

inline constexpr TColor RGBColor(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
inline constexpr int RedOf(TColor c) { return int(c & 0xFF); }
inline constexpr int GreenOf(TColor c) { return int((c >> 8) & 0xFF); }
inline constexpr int BlueOf(TColor c) { return int((c >> 16) & 0xFF); }
