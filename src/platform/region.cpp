#include "platform/region.h"

#include <algorithm>
#include <cstddef>

namespace quendar {

namespace {

// Which pixels a combination keeps, given whether a pixel lies in the first
// and in the second operand.
enum class Combination { Union, Intersect, Subtract, Xor };

bool Keeps(Combination how, bool inFirst, bool inSecond) {
    switch (how) {
        case Combination::Union:
            return inFirst || inSecond;
        case Combination::Intersect:
            return inFirst && inSecond;
        case Combination::Subtract:
            return inFirst && !inSecond;
        case Combination::Xor:
            return inFirst != inSecond;
    }
    return false;
}

struct Span {
    int Left;
    int Right;
    friend bool operator==(const Span&, const Span&) = default;
};

// A change of coverage at x: +1 where a rectangle starts, -1 where it ends.
struct Edge {
    int X;
    int FirstDelta;
    int SecondDelta;
};

void AddEdgesCrossingBand(const std::vector<Rect>& rects, int top, bool first, std::vector<Edge>& edges) {
    for (const Rect& r : rects) {
        if (r.IsEmpty() || r.Top > top || r.Bottom <= top) continue;
        edges.push_back({r.Left, first ? 1 : 0, first ? 0 : 1});
        edges.push_back({r.Right, first ? -1 : 0, first ? 0 : -1});
    }
}

// The kept spans of one band, sorted, disjoint and not touching. The band
// must not cross any top or bottom edge of the inputs.
std::vector<Span> SpansOfBand(const std::vector<Rect>& first, const std::vector<Rect>& second, int top,
                              Combination how) {
    std::vector<Edge> edges;
    AddEdgesCrossingBand(first, top, true, edges);
    AddEdgesCrossingBand(second, top, false, edges);
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.X < b.X; });

    std::vector<Span> spans;
    int inFirst = 0;
    int inSecond = 0;
    bool kept = false;
    int spanLeft = 0;
    for (std::size_t i = 0; i < edges.size();) {
        int x = edges[i].X;
        for (; i < edges.size() && edges[i].X == x; ++i) {
            inFirst += edges[i].FirstDelta;
            inSecond += edges[i].SecondDelta;
        }
        bool keepsNow = Keeps(how, inFirst > 0, inSecond > 0);
        if (keepsNow && !kept) {
            spanLeft = x;
        } else if (!keepsNow && kept) {
            spans.push_back({spanLeft, x});
        }
        kept = keepsNow;
    }
    return spans;
}

bool SameSpans(const std::vector<Rect>& rects, std::size_t bandStart, const std::vector<Span>& spans) {
    if (rects.size() - bandStart != spans.size()) return false;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Rect& r = rects[bandStart + i];
        if (r.Left != spans[i].Left || r.Right != spans[i].Right) return false;
    }
    return true;
}

// Sweeps the bands between all distinct top and bottom edges. A band whose
// spans repeat the band just above it (touching) extends that band, so the
// result is the one canonical form of its pixel set.
std::vector<Rect> Combine(const std::vector<Rect>& first, const std::vector<Rect>& second, Combination how) {
    std::vector<int> ys;
    for (const auto* rects : {&first, &second}) {
        for (const Rect& r : *rects) {
            if (r.IsEmpty()) continue;
            ys.push_back(r.Top);
            ys.push_back(r.Bottom);
        }
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    std::vector<Rect> result;
    std::size_t lastBandStart = 0;
    bool haveLastBand = false;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        int top = ys[i];
        int bottom = ys[i + 1];
        std::vector<Span> spans = SpansOfBand(first, second, top, how);
        if (spans.empty()) {
            haveLastBand = false;
            continue;
        }
        if (haveLastBand && result.back().Bottom == top && SameSpans(result, lastBandStart, spans)) {
            for (std::size_t k = lastBandStart; k < result.size(); ++k) result[k].Bottom = bottom;
            continue;
        }
        lastBandStart = result.size();
        haveLastBand = true;
        for (const Span& s : spans) result.push_back({s.Left, top, s.Right, bottom});
    }
    return result;
}

}  // namespace

Region::Region(const Rect& rect) {
    if (!rect.IsEmpty()) rects_.push_back(rect);
}

Region Region::FromRects(const std::vector<Rect>& rects) {
    Region region;
    region.rects_ = Combine(rects, {}, Combination::Union);
    return region;
}

int Region::Kind() const {
    if (rects_.empty()) return NULLREGION;
    return rects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

Rect Region::Bounds() const {
    Rect bounds;
    for (const Rect& r : rects_) bounds = bounds.Union(r);
    return bounds;
}

Region Region::Union(const Region& other) const {
    Region region;
    region.rects_ = Combine(rects_, other.rects_, Combination::Union);
    return region;
}

Region Region::Intersect(const Region& other) const {
    Region region;
    region.rects_ = Combine(rects_, other.rects_, Combination::Intersect);
    return region;
}

Region Region::Subtract(const Region& other) const {
    Region region;
    region.rects_ = Combine(rects_, other.rects_, Combination::Subtract);
    return region;
}

Region Region::Xor(const Region& other) const {
    Region region;
    region.rects_ = Combine(rects_, other.rects_, Combination::Xor);
    return region;
}

Region Region::Offset(int dx, int dy) const {
    Region region;
    region.rects_.reserve(rects_.size());
    for (const Rect& r : rects_) region.rects_.push_back(r.Offset(dx, dy));
    return region;
}

bool Region::Contains(Point p) const {
    for (const Rect& r : rects_) {
        if (r.Top > p.Y) break;  // bands are sorted top to bottom
        if (r.Contains(p)) return true;
    }
    return false;
}

bool Region::Intersects(const Rect& rect) const {
    if (rect.IsEmpty()) return false;
    for (const Rect& r : rects_) {
        if (r.Intersects(rect)) return true;
    }
    return false;
}

bool Region::ContainsRect(const Rect& rect) const {
    if (rect.IsEmpty()) return false;
    return Region(rect).Subtract(*this).IsEmpty();
}

}  // namespace quendar
