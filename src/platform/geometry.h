#pragma once
// Value types for positions and areas.
//
// Rect edges: Left and Top are inside the rectangle, Right and Bottom are just
// outside it (Right - Left is the width), as the window system's rectangles are.
// Routines whose rules count Right and Bottom as inside say so at their
// declaration and convert at their boundary.

#include <algorithm>

namespace quendar {

struct Point {
    int X = 0;
    int Y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(Point other) const { return {X + other.X, Y + other.Y}; }
    Point operator-(Point other) const { return {X - other.X, Y - other.Y}; }
};

struct Size {
    int Width = 0;
    int Height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    static constexpr Rect FromSize(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }

    friend bool operator==(const Rect&, const Rect&) = default;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr Point TopLeft() const { return {Left, Top}; }
    constexpr bool Contains(Point p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }

    constexpr Rect Offset(int dx, int dy) const {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }
    constexpr Rect Inflate(int dx, int dy) const {
        return {Left - dx, Top - dy, Right + dx, Bottom + dy};
    }
    // The common part; an empty rectangle when there is none.
    constexpr Rect Intersect(const Rect& other) const {
        Rect r{std::max(Left, other.Left), std::max(Top, other.Top),
               std::min(Right, other.Right), std::min(Bottom, other.Bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    constexpr bool Intersects(const Rect& other) const { return !Intersect(other).IsEmpty(); }
    // The smallest rectangle holding both; an empty side does not count.
    constexpr Rect Union(const Rect& other) const {
        if (IsEmpty()) return other;
        if (other.IsEmpty()) return *this;
        return {std::min(Left, other.Left), std::min(Top, other.Top),
                std::max(Right, other.Right), std::max(Bottom, other.Bottom)};
    }
};

}  // namespace quendar
