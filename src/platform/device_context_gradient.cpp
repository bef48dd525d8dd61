// Gouraud-shaded triangles: DeviceContext::GradientFillTriangles.
//
// Vertices sit on the pixel grid: the vertex (x, y) is the centre of pixel
// (x, y), and a pixel is drawn when its centre lies inside the triangle.
// Centres exactly on an edge follow the top-left rule, so triangles sharing an
// edge draw each pixel once. A rectangle split into triangles along its
// corners (Left, Top)..(Right, Bottom) therefore covers exactly the pixels of
// that Rect: Right and Bottom stay outside, as everywhere else.
//
// A pixel's colour is the barycentric mix of the vertex colours computed
// exactly in integers; the 16-bit channel value is truncated to its high
// byte. A pixel at a vertex gets that vertex's colour (channel >> 8) exactly.

#include <algorithm>
#include <cstdint>

#include "platform/device_context.h"
#include "platform/device_pixels.h"

namespace quendar {

namespace {

// Keeps every product of the exact arithmetic inside 64 bits.
constexpr int LargestCoordinate = 1 << 20;

struct Corner {
    std::int64_t X;
    std::int64_t Y;
    std::uint16_t Channel[3];  // blue, green, red: the order of the pixel bytes
};

// Twice the signed area of (a, b, p); positive when p lies to the right of
// a -> b with y growing downwards.
std::int64_t EdgeValue(const Corner& a, const Corner& b, std::int64_t px, std::int64_t py) {
    return (b.X - a.X) * (py - a.Y) - (b.Y - a.Y) * (px - a.X);
}

// Whether centres exactly on the edge a -> b belong to the triangle: they do
// on a top edge (horizontal, inside below) and on a left edge (inside right).
bool OwnsEdge(const Corner& a, const Corner& b) {
    std::int64_t dx = b.X - a.X;
    std::int64_t dy = b.Y - a.Y;
    return dy < 0 || (dy == 0 && dx > 0);
}

void FillTriangle(Bitmap& bitmap, const Region& clip, Corner a, Corner b, Corner c) {
    std::int64_t area = EdgeValue(a, b, c.X, c.Y);
    if (area == 0) return;
    if (area < 0) {
        std::swap(b, c);
        area = -area;
    }
    // Weight of a vertex = edge value of the opposite edge; the three sum to area.
    const Corner* corners[3] = {&a, &b, &c};
    const Corner* edgeFrom[3] = {&b, &c, &a};
    const Corner* edgeTo[3] = {&c, &a, &b};
    bool owned[3];
    for (int e = 0; e < 3; ++e) owned[e] = OwnsEdge(*edgeFrom[e], *edgeTo[e]);

    Rect box{static_cast<int>(std::min({a.X, b.X, c.X})), static_cast<int>(std::min({a.Y, b.Y, c.Y})),
             static_cast<int>(std::max({a.X, b.X, c.X})) + 1,
             static_cast<int>(std::max({a.Y, b.Y, c.Y})) + 1};
    int bytesPerPixel = bitmap.BytesPerPixel();
    const std::int64_t divisor = area * 256;
    for (const Rect& clipRect : clip.Rects()) {
        Rect part = clipRect.Intersect(box);
        if (part.IsEmpty()) continue;
        for (int y = part.Top; y < part.Bottom; ++y) {
            std::uint8_t* pixel = PixelAddress(bitmap, part.Left, y);
            for (int x = part.Left; x < part.Right; ++x, pixel += bytesPerPixel) {
                std::int64_t weight[3];
                bool inside = true;
                for (int e = 0; e < 3 && inside; ++e) {
                    weight[e] = EdgeValue(*edgeFrom[e], *edgeTo[e], x, y);
                    inside = weight[e] > 0 || (weight[e] == 0 && owned[e]);
                }
                if (!inside) continue;
                for (int channel = 0; channel < 3; ++channel) {
                    std::int64_t sum = 0;
                    for (int v = 0; v < 3; ++v) sum += weight[v] * corners[v]->Channel[channel];
                    pixel[channel] = static_cast<std::uint8_t>(sum / divisor);
                }
                if (bytesPerPixel == 4) pixel[3] = 0;
            }
        }
    }
}

}  // namespace

bool DeviceContext::GradientFillTriangles(std::span<const TriVertex> vertices,
                                          std::span<const GradientTriangle> triangles) {
    for (const TriVertex& v : vertices) {
        if (std::abs(v.X) > LargestCoordinate || std::abs(v.Y) > LargestCoordinate) return false;
    }
    for (const GradientTriangle& t : triangles) {
        if (t.Vertex1 >= vertices.size() || t.Vertex2 >= vertices.size() || t.Vertex3 >= vertices.size()) {
            return false;
        }
    }
    auto corner = [&](std::uint32_t index) {
        const TriVertex& v = vertices[index];
        return Corner{std::int64_t{v.X} + origin_.X, std::int64_t{v.Y} + origin_.Y, {v.Blue, v.Green, v.Red}};
    };
    for (const GradientTriangle& t : triangles) {
        FillTriangle(*target_, effectiveClip_, corner(t.Vertex1), corner(t.Vertex2), corner(t.Vertex3));
    }
    return true;
}

}  // namespace quendar
