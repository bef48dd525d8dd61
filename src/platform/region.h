#pragma once
// A region: a set of pixels described by non-overlapping rectangles, used for
// clipping and for window shapes. Rectangles follow geometry.h (Right and
// Bottom outside).
//
// The rectangles are kept in a canonical banded form (sorted top to bottom,
// then left to right; rows of equal rectangles merged), so two regions holding
// the same pixels compare equal.

#include <vector>

#include "platform/geometry.h"

namespace quendar {

// Results of CombineRgn-style operations and of clip queries.
enum : int { ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

class Region {
public:
    Region() = default;  // empty
    explicit Region(const Rect& rect);
    static Region FromRects(const std::vector<Rect>& rects);  // union of them all

    bool IsEmpty() const { return rects_.empty(); }
    const std::vector<Rect>& Rects() const { return rects_; }
    // NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
    int Kind() const;
    Rect Bounds() const;  // empty Rect for an empty region

    Region Union(const Region& other) const;
    Region Intersect(const Region& other) const;
    Region Subtract(const Region& other) const;
    Region Xor(const Region& other) const;
    Region Union(const Rect& r) const { return Union(Region(r)); }
    Region Intersect(const Rect& r) const { return Intersect(Region(r)); }
    Region Subtract(const Rect& r) const { return Subtract(Region(r)); }
    Region Offset(int dx, int dy) const;

    bool Contains(Point p) const;
    bool Intersects(const Rect& r) const;  // any pixel of r inside the region
    bool ContainsRect(const Rect& r) const;  // every pixel of r inside the region; false for an empty r

    friend bool operator==(const Region&, const Region&) = default;

private:
    std::vector<Rect> rects_;
};

}  // namespace quendar
