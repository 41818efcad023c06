#include "app/SystemPalette.h"

#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

#include <iterator>

namespace {

struct TPaletteEntry {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// Indexes 0..30 of the system colour table, mapped to the closest palette role.
constexpr TPaletteEntry Entries[] = {
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Window},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::WindowText},        // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Inactive, QPalette::Window},          // 11 inactive border
    {QPalette::Active, QPalette::Mid},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 info background
    {QPalette::Active, QPalette::Button},            // 25 (unused index)
    {QPalette::Active, QPalette::Link},              // 26 hot light
    {QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
};
static_assert(std::size(Entries) == std::tuple_size_v<TSystemPalette>);

} // namespace

TSystemPalette ApplicationSystemPalette()
{
    TSystemPalette Result = ClassicSystemPalette();
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Result;
    const QPalette Palette = QGuiApplication::palette();
    for (size_t i = 0; i < Result.size(); ++i) {
        const QColor c = Palette.color(Entries[i].Group, Entries[i].Role);
        Result[i] = RGBColor(c.red(), c.green(), c.blue());
    }
    return Result;
}
