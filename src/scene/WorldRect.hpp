#pragma once

// A rectangle in world units: top-left corner and size, y growing downwards.
struct WorldRect {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;

    double centerX() const { return x + w / 2.0; }
    double centerY() const { return y + h / 2.0; }
};

// Overlap of closed intervals on both axes: rectangles that only touch do overlap.
inline bool overlaps(const WorldRect& a, const WorldRect& b) {
    return a.x <= b.x + b.w && b.x <= a.x + a.w && a.y <= b.y + b.h && b.y <= a.y + a.h;
}
