#include "framework/canvas.h"

#include <utility>

#include "framework/exception.h"
#include "framework/graphic.h"

namespace quendar {

namespace {

constexpr std::uint64_t NothingSelected = ~std::uint64_t{0};

}  // namespace

TCanvas::TCanvas() = default;

TCanvas::TCanvas(DeviceContext* borrowed) : context_(borrowed) {}

TCanvas::TCanvas(std::unique_ptr<DeviceContext> owned) : owned_(std::move(owned)), context_(owned_.get()) {}

TCanvas::~TCanvas() = default;

DeviceContext& TCanvas::Handle() {
    if (context_ == nullptr) CreateHandle();
    if (context_ == nullptr) throw Exception("Canvas does not allow drawing");
    return *context_;
}

void TCanvas::SetHandle(DeviceContext* borrowed) {
    if (borrowed != nullptr && borrowed == owned_.get()) return;
    std::unique_ptr<DeviceContext> previous = std::move(owned_);
    context_ = borrowed;
    Refresh();
}

void TCanvas::SetHandle(std::unique_ptr<DeviceContext> owned) {
    owned_ = std::move(owned);
    context_ = owned_.get();
    Refresh();
}

void TCanvas::Refresh() {
    selectedFont_ = NothingSelected;
    selectedBrush_ = NothingSelected;
    selectedPen_ = NothingSelected;
}

DeviceContext& TCanvas::RequiredState(int needs) {
    DeviceContext& context = Handle();
    if ((needs & static_cast<int>(Need::Font)) != 0 && selectedFont_ != font_.ChangeCount()) {
        context.SelectFont(font_.Description());
        context.SetTextColor(ColorToColorRef(font_.Color()));
        selectedFont_ = font_.ChangeCount();
    }
    if ((needs & static_cast<int>(Need::Brush)) != 0 && selectedBrush_ != brush_.ChangeCount()) {
        quendar::Brush brush = brush_.DeviceBrush();
        context.SelectBrush(brush);
        // Text cells take the brush: a clear brush lets the background show.
        if (brush.Hollow) {
            context.SetBkMode(TRANSPARENT);
        } else {
            context.SetBkMode(OPAQUE);
            context.SetBkColor(brush.Color);
        }
        selectedBrush_ = brush_.ChangeCount();
    }
    if ((needs & static_cast<int>(Need::Pen)) != 0 && selectedPen_ != pen_.ChangeCount()) {
        context.SelectPen(pen_.DevicePen());
        selectedPen_ = pen_.ChangeCount();
    }
    return context;
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

Point TCanvas::PenPos() {
    DeviceContext& context = Handle();
    Point position = context.MoveTo({});
    context.MoveTo(position);
    return position;
}

void TCanvas::SetPenPos(Point position) { Handle().MoveTo(position); }

void TCanvas::FillRect(const Rect& rect) {
    RequiredState(static_cast<int>(Need::Brush)).FillRect(rect, brush_.DeviceBrush());
    Changed();
}

void TCanvas::FrameRect(const Rect& rect) {
    RequiredState(static_cast<int>(Need::Brush)).FrameRect(rect, brush_.DeviceBrush());
    Changed();
}

void TCanvas::Rectangle(const Rect& rect) {
    DeviceContext& context = RequiredState(static_cast<int>(Need::Brush) | static_cast<int>(Need::Pen));
    quendar::Pen pen = pen_.DevicePen();
    int width = pen_.Width();
    if (width <= 1 || pen.Null) {
        context.Rectangle(rect);
    } else {
        quendar::Brush ring = quendar::Brush::Solid(pen.Color);
        for (int inset = 0; inset < width; ++inset) {
            Rect edge = rect.Inflate(-inset, -inset);
            if (edge.IsEmpty()) break;
            context.FrameRect(edge, ring);
        }
        Rect inside = rect.Inflate(-width, -width);
        if (!inside.IsEmpty()) context.FillRect(inside, brush_.DeviceBrush());
    }
    Changed();
}

void TCanvas::RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight) {
    RequiredState(static_cast<int>(Need::Brush) | static_cast<int>(Need::Pen))
        .RoundRect(rect, ellipseWidth, ellipseHeight);
    Changed();
}

void TCanvas::MoveTo(int x, int y) { Handle().MoveTo({x, y}); }

void TCanvas::LineTo(int x, int y) {
    RequiredState(static_cast<int>(Need::Pen)).LineTo({x, y});
    Changed();
}

void TCanvas::Polyline(std::span<const Point> points) {
    RequiredState(static_cast<int>(Need::Pen)).Polyline(points);
    Changed();
}

TColor TCanvas::Pixels(int x, int y) {
    ColorRef pixel = Handle().GetPixel(x, y);
    return pixel == CLR_INVALID ? -1 : static_cast<TColor>(pixel);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    Handle().SetPixel(x, y, ColorToColorRef(color));
    Changed();
}

Rect TCanvas::ClipRect() { return Handle().GetClipBox(); }

void TCanvas::TextOut(int x, int y, std::string_view text) {
    DeviceContext& context = RequiredState(static_cast<int>(Need::Font) | static_cast<int>(Need::Brush));
    context.TextOut(x, y, text);
    context.MoveTo({x + context.GetTextExtent(text).Width, y});
    Changed();
}

void TCanvas::TextRect(const Rect& rect, int x, int y, std::string_view text) {
    DeviceContext& context = RequiredState(static_cast<int>(Need::Font) | static_cast<int>(Need::Brush));
    int level = context.SaveDC();
    context.FillRect(rect, brush_.DeviceBrush());
    context.IntersectClipRect(rect);
    context.SetBkMode(TRANSPARENT);
    context.TextOut(x, y, text);
    context.RestoreDC(level);
    Changed();
}

int TCanvas::TextRect(Rect& rect, std::string_view text, unsigned format) {
    DeviceContext& context = RequiredState(static_cast<int>(Need::Font) | static_cast<int>(Need::Brush));
    int height = context.DrawText(text, rect, format);
    if ((format & DT_CALCRECT) == 0) Changed();
    return height;
}

Size TCanvas::TextExtent(std::string_view text) {
    return RequiredState(static_cast<int>(Need::Font)).GetTextExtent(text);
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    if (graphic.Empty()) return;
    graphic.Draw(*this, Rect::FromSize(x, y, graphic.Width(), graphic.Height()));
    Changed();
}

void TCanvas::StretchDraw(const Rect& rect, const TGraphic& graphic) {
    if (graphic.Empty()) return;
    graphic.Draw(*this, rect);
    Changed();
}

void TCanvas::CopyRect(const Rect& destination, TCanvas& source, const Rect& sourceRect) {
    DeviceContext& context = Handle();
    context.StretchBlt(destination.Left, destination.Top, destination.Width(), destination.Height(),
                       source.Handle(), sourceRect.Left, sourceRect.Top, sourceRect.Width(),
                       sourceRect.Height(), copyMode_);
    Changed();
}

}  // namespace quendar
