#pragma once

// A non-owning reference to code that draws one small figure centred on
// (X, Y) with the surface's current pen and brush (see DrawStamp).
class TStampPaint {
public:
    template <class F>
    TStampPaint(const F& Paint)
        : FContext(&Paint), FCall([](const void* c, int X, int Y) { (*static_cast<const F*>(c))(X, Y); })
    {
    }
    void operator()(int X, int Y) const { FCall(FContext, X, Y); }

private:
    const void* FContext;
    void (*FCall)(const void*, int, int);
};
