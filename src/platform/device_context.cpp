#include "platform/device_context.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/device_pixels.h"
#include "platform/system_colors.h"

namespace quendar {

// --- pixel stores ------------------------------------------------------------

void FillClippedRect(Bitmap& bitmap, const Region& clip, const Rect& area, ColorRef rgb) {
    if (area.IsEmpty()) return;
    int bytesPerPixel = bitmap.BytesPerPixel();
    for (const Rect& clipRect : clip.Rects()) {
        if (clipRect.Top >= area.Bottom) break;  // bands are sorted top to bottom
        Rect part = clipRect.Intersect(area);
        if (part.IsEmpty()) continue;
        // The first row is built pixel by pixel; the others are copies of it.
        std::uint8_t* first = PixelAddress(bitmap, part.Left, part.Top);
        for (int x = 0; x < part.Width(); ++x) StoreColor(first + x * bytesPerPixel, bytesPerPixel, rgb);
        std::size_t rowBytes = static_cast<std::size_t>(part.Width() * bytesPerPixel);
        for (int y = part.Top + 1; y < part.Bottom; ++y) {
            std::memcpy(PixelAddress(bitmap, part.Left, y), first, rowBytes);
        }
    }
}

// --- construction and state ---------------------------------------------------

DeviceContext::DeviceContext(Bitmap& target) : DeviceContext(target, {0, 0}, Region(target.Bounds())) {}

DeviceContext::DeviceContext(Bitmap& target, Point origin, const Region& systemClip)
    : target_(&target), origin_(origin), systemClip_(systemClip) {
    RecomputeEffectiveClip();
}

void DeviceContext::RecomputeEffectiveClip() {
    effectiveClip_ = systemClip_.Intersect(target_->Bounds());
    if (hasUserClip_) effectiveClip_ = effectiveClip_.Intersect(userClip_);
}

Point DeviceContext::SetOrigin(Point origin) {
    Point previous = origin_;
    origin_ = origin;
    return previous;
}

int DeviceContext::IntersectClipRect(const Rect& rect) {
    Region area(rect.Offset(origin_.X, origin_.Y));
    userClip_ = hasUserClip_ ? userClip_.Intersect(area) : area;
    hasUserClip_ = true;
    RecomputeEffectiveClip();
    return effectiveClip_.Kind();
}

int DeviceContext::ExcludeClipRect(const Rect& rect) {
    Rect area = rect.Offset(origin_.X, origin_.Y);
    userClip_ = (hasUserClip_ ? userClip_ : Region(target_->Bounds())).Subtract(area);
    hasUserClip_ = true;
    RecomputeEffectiveClip();
    return effectiveClip_.Kind();
}

int DeviceContext::SelectClipRegion(const Region* region) {
    hasUserClip_ = region != nullptr;
    userClip_ = region ? region->Offset(origin_.X, origin_.Y) : Region();
    RecomputeEffectiveClip();
    return effectiveClip_.Kind();
}

Region DeviceContext::GetClipRegion() const {
    return hasUserClip_ ? userClip_.Offset(-origin_.X, -origin_.Y) : Region();
}

Rect DeviceContext::GetClipBox() const {
    Rect box = effectiveClip_.Bounds();
    return box.IsEmpty() ? Rect{} : box.Offset(-origin_.X, -origin_.Y);
}

bool DeviceContext::RectVisible(const Rect& rect) const {
    return effectiveClip_.Intersects(rect.Offset(origin_.X, origin_.Y));
}

DeviceContext::State DeviceContext::CaptureState() const {
    State state;
    state.Origin = origin_;
    state.HasUserClip = hasUserClip_;
    state.UserClip = userClip_;
    state.CurrentBrush = brush_;
    state.CurrentPen = pen_;
    state.Font = font_;
    state.TextColor = textColor_;
    state.BkColor = bkColor_;
    state.BkMode = bkMode_;
    state.PenPosition = penPosition_;
    return state;
}

void DeviceContext::ApplyState(const State& state) {
    origin_ = state.Origin;
    hasUserClip_ = state.HasUserClip;
    userClip_ = state.UserClip;
    brush_ = state.CurrentBrush;
    pen_ = state.CurrentPen;
    SelectFont(state.Font);
    textColor_ = state.TextColor;
    bkColor_ = state.BkColor;
    bkMode_ = state.BkMode;
    penPosition_ = state.PenPosition;
    RecomputeEffectiveClip();
}

int DeviceContext::SaveDC() {
    saved_.push_back(CaptureState());
    return static_cast<int>(saved_.size());
}

bool DeviceContext::RestoreDC(int level) {
    int depth = static_cast<int>(saved_.size());
    int absolute = level < 0 ? depth + 1 + level : level;
    if (absolute < 1 || absolute > depth) return false;
    ApplyState(saved_[static_cast<std::size_t>(absolute - 1)]);
    saved_.resize(static_cast<std::size_t>(absolute - 1));
    return true;
}

Brush DeviceContext::SelectBrush(const Brush& brush) { return std::exchange(brush_, brush); }

Pen DeviceContext::SelectPen(const Pen& pen) { return std::exchange(pen_, pen); }

FontDescription DeviceContext::SelectFont(const FontDescription& font) {
    // The loaded face belongs to the old description; the text code reloads it.
    if (font != font_) face_.reset();
    return std::exchange(font_, font);
}

ColorRef DeviceContext::SetTextColor(ColorRef color) { return std::exchange(textColor_, color); }

ColorRef DeviceContext::SetBkColor(ColorRef color) { return std::exchange(bkColor_, color); }

int DeviceContext::SetBkMode(int mode) { return std::exchange(bkMode_, mode); }

// --- fills -------------------------------------------------------------------

void DeviceContext::FillRect(const Rect& rect, const Brush& brush) {
    if (brush.Hollow) return;
    FillClippedRect(*target_, effectiveClip_, rect.Offset(origin_.X, origin_.Y), ColorToRGB(brush.Color));
}

void DeviceContext::FrameRect(const Rect& rect, const Brush& brush) {
    if (brush.Hollow || rect.IsEmpty()) return;
    const Rect r = rect;
    FillRect({r.Left, r.Top, r.Right, r.Top + 1}, brush);
    FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, brush);
    FillRect({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, brush);
    FillRect({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}, brush);
}

// --- pixels ------------------------------------------------------------------

void DeviceContext::SetPixel(int x, int y, ColorRef color) {
    PutClippedPixel(*target_, effectiveClip_, {x + origin_.X, y + origin_.Y}, ColorToRGB(color));
}

ColorRef DeviceContext::GetPixel(int x, int y) const {
    Point p{x + origin_.X, y + origin_.Y};
    if (!effectiveClip_.Contains(p)) return CLR_INVALID;
    return target_->PixelAt(p.X, p.Y);
}

void DeviceContext::BlendDevicePixel(int x, int y, ColorRef rgb, std::uint8_t coverage) {
    if (coverage == 0 || !effectiveClip_.Contains({x, y})) return;
    rgb = ColorToRGB(rgb);
    std::uint8_t* pixel = PixelAddress(*target_, x, y);
    int bytesPerPixel = target_->BytesPerPixel();
    if (coverage == 255) {
        StoreColor(pixel, bytesPerPixel, rgb);
        return;
    }
    // Rounded, so that full coverage gives the colour and none keeps the pixel.
    auto mix = [coverage](int over, int under) {
        return static_cast<std::uint8_t>((over * coverage + under * (255 - coverage) + 127) / 255);
    };
    pixel[0] = mix(GetBValue(rgb), pixel[0]);
    pixel[1] = mix(GetGValue(rgb), pixel[1]);
    pixel[2] = mix(GetRValue(rgb), pixel[2]);
    if (bytesPerPixel == 4) pixel[3] = 0;
}

}  // namespace quendar
