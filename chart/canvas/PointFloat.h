#pragma once

// A point between device pixels.
struct TPointFloat {
    float X = 0;
    float Y = 0;
};
