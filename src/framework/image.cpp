#include "framework/image.h"

namespace quendar {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() & ~TControlStyle::csSetCaption);
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this](TPersistent*) { PictureChanged(); };
}

TImage::~TImage() { picture_.OnChange = nullptr; }

void TImage::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0)
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void TImage::SetCenter(bool value) {
    if (value == center_) return;
    center_ = value;
    Invalidate();
}

void TImage::SetStretch(bool value) {
    if (value == stretch_) return;
    stretch_ = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    PictureChanged();
}

void TImage::PictureChanged() {
    if (passingTransparency_) return;
    if (TGraphic* graphic = picture_.Graphic();
        graphic != nullptr && graphic->Transparent() != transparent_) {
        passingTransparency_ = true;
        try {
            graphic->SetTransparent(transparent_);
        } catch (...) {
            passingTransparency_ = false;
            throw;
        }
        passingTransparency_ = false;
    }
    if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0)
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

Rect TImage::DestRect() const {
    const TGraphic* graphic = picture_.Graphic();
    if (graphic == nullptr || graphic->Empty()) return {};
    Rect client = ClientRect();
    if (stretch_) return client;
    int width = graphic->Width();
    int height = graphic->Height();
    if (!center_) return Rect::FromSize(0, 0, width, height);
    return Rect::FromSize((client.Width() - width) / 2, (client.Height() - height) / 2, width, height);
}

void TImage::Paint() {
    const TGraphic* graphic = picture_.Graphic();
    Rect destination = DestRect();
    if (graphic == nullptr || destination.IsEmpty()) return;
    if (destination.Width() == graphic->Width() && destination.Height() == graphic->Height())
        Canvas().Draw(destination.Left, destination.Top, *graphic);
    else
        Canvas().StretchDraw(destination, *graphic);
}

}  // namespace quendar
