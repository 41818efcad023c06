#include "chart/canvas/SystemColors.h"

#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

#include <iterator>

namespace {

struct TSystemColor {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
    TColor Fallback; // the classic desktop value, used without a GUI application
};

// Indexes 0..30 of the system colour table, mapped to the closest palette role.
constexpr TSystemColor SystemColors[] = {
    {QPalette::Active, QPalette::Button, 0xC8C8C8},           // 0 scroll bar
    {QPalette::Active, QPalette::Window, 0x000000},           // 1 desktop
    {QPalette::Active, QPalette::Highlight, 0xD1B499},        // 2 active caption
    {QPalette::Inactive, QPalette::Highlight, 0xDBCDBF},      // 3 inactive caption
    {QPalette::Active, QPalette::Window, 0xF0F0F0},           // 4 menu
    {QPalette::Active, QPalette::Base, 0xFFFFFF},             // 5 window
    {QPalette::Active, QPalette::Shadow, 0x646464},           // 6 window frame
    {QPalette::Active, QPalette::WindowText, 0x000000},       // 7 menu text
    {QPalette::Active, QPalette::WindowText, 0x000000},       // 8 window text
    {QPalette::Active, QPalette::HighlightedText, 0x000000},  // 9 caption text
    {QPalette::Active, QPalette::Window, 0xB4B4B4},           // 10 active border
    {QPalette::Inactive, QPalette::Window, 0xFCF7F4},         // 11 inactive border
    {QPalette::Active, QPalette::Mid, 0xABABAB},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight, 0xFF9933},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},  // 14 highlight text
    {QPalette::Active, QPalette::Button, 0xF0F0F0},           // 15 button face
    {QPalette::Active, QPalette::Dark, 0xA0A0A0},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text, 0x6D6D6D},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText, 0x000000},       // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText, 0x000000},// 19 inactive caption text
    {QPalette::Active, QPalette::Light, 0xFFFFFF},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow, 0x696969},           // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight, 0xE3E3E3},         // 22 3D light
    {QPalette::Active, QPalette::ToolTipText, 0x000000},      // 23 info text
    {QPalette::Active, QPalette::ToolTipBase, 0xE1FFFF},      // 24 info background
    {QPalette::Active, QPalette::Button, 0xB5B5B5},           // 25 (unused index)
    {QPalette::Active, QPalette::Link, 0xCC6600},             // 26 hot light
    {QPalette::Active, QPalette::Highlight, 0xEAD1B9},        // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight, 0xF2E4D7},      // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight, 0xFF9933},        // 29 menu highlight
    {QPalette::Active, QPalette::Window, 0xF0F0F0},           // 30 menu bar
};

} // namespace

TColor ResolveColor(TColor Color)
{
    if (!IsSystemColor(Color))
        return Color;
    const unsigned Index = Color & 0xFFu;
    if (Index >= std::size(SystemColors))
        return clBlack;
    const TSystemColor& Entry = SystemColors[Index];
    // Without a GUI application there is no palette to ask.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Entry.Fallback;
    const QColor c = QGuiApplication::palette().color(Entry.Group, Entry.Role);
    return RGBColor(c.red(), c.green(), c.blue());
}

TColor ResolvePanelColor(TColor Color)
{
    return Color == clNone ? clBlack : ResolveColor(Color);
}
