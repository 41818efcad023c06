#pragma once

#include "chart/canvas/RenderContext.h"

// The running application's colours for the system-colour indexes, read from
// its palette (the classic values without a GUI application). The window and
// the headless command hand them to the chart; nothing below reads them.
TSystemPalette ApplicationSystemPalette();
