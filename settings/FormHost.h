#pragma once

// The window's placement record: the normal rectangle holds coordinates
// (right and bottom, not width and height).
struct TWindowPlacement {
    int flags = 0;
    int showCmd = 1; // 3 when maximized
    int maxX = -1;
    int maxY = -1;
    int normalLeft = 0;
    int normalTop = 0;
    int normalRight = 0;
    int normalBottom = 0;

    friend bool operator==(const TWindowPlacement&, const TWindowPlacement&) = default;
};

// What the settings component needs of a window. The window implements it;
// settings stay free of widgets.
class TFormHost {
public:
    virtual ~TFormHost() = default;

    virtual int Left() const = 0;
    virtual void SetLeft(int value) = 0;
    virtual int Top() const = 0;
    virtual void SetTop(int value) = 0;
    virtual int Width() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual int Height() const = 0;
    virtual void SetHeight(int value) = 0;

    virtual TWindowPlacement GetPlacement() const = 0;
    virtual void SetPlacement(const TWindowPlacement& placement) = 0;
};
