#pragma once

#include <QRect>

#include <vector>

class QMainWindow;
class QSplitter;
class QStatusBar;
class QToolBar;
class QWidget;

// The window's UI scale, in one place: the designed sizes at 100 %, every
// control's designed rectangle, and what a scale does to the fonts, the
// geometry and the toolbar's icons. The chart keeps its own sizes.
class TControlScaler {
public:
    // The entries of the scale selector, in percent.
    static constexpr int ScaleEntries = 5;
    static constexpr int ScalePercents[ScaleEntries] = {100, 125, 150, 175, 200};

    // Designed sizes, in pixels at 100 %.
    static constexpr int FontPixels = 11;
    static constexpr int ToolBarHeight = 47;
    static constexpr int ToolButtonWidth = 34;
    static constexpr int ToolButtonHeight = 35;
    static constexpr int ToolGapWidth = 8;
    static constexpr int ToolIconSize = 24;
    static constexpr int StatusBarHeight = 19;
    static constexpr int SplitterWidth = 3;
    static constexpr int ChartWidth = 781;
    static constexpr int PageControlWidth = 196;
    static constexpr int Panel1Height = 113;

    static int Scaled(int Value, int Percent);

    // The parts of the window outside the tabs that the scale resizes.
    struct TFrame {
        QMainWindow* Window = nullptr;
        QToolBar* ToolBar = nullptr;
        QStatusBar* StatusBar = nullptr;
        QWidget* EdgeStrip = nullptr;
        QSplitter* Splitter = nullptr;
        QWidget* Panel = nullptr;
    };
    void SetFrame(const TFrame& Frame) { FFrame = Frame; }

    // Places a control at its designed rectangle and remembers it.
    template <class T> T* Place(T* Control, int Left, int Top, int Width, int Height)
    {
        Record(Control, QRect(Left, Top, Width, Height));
        return Control;
    }
    // A control's rectangle at 100 %; empty for one never placed.
    QRect DesignedGeometry(const QWidget* Control) const;
    bool HasControls() const { return !FDesigned.empty(); }

    // The UI scale in percent.
    int Percent() const { return FPercent; }
    // Every placed control at its designed rectangle times the scale.
    void PlaceControls() const;
    // Rescales fonts, controls, the window's frame and the toolbar's icons
    // (50 to 400 %); the window and the side panel grow in proportion.
    void Apply(int Percent);

private:
    void Record(QWidget* Control, const QRect& Rect);

    struct TDesigned {
        QWidget* Control;
        QRect Rect;
    };
    std::vector<TDesigned> FDesigned;
    TFrame FFrame;
    int FPercent = 100;
};
