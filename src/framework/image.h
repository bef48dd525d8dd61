#pragma once
// TImage: a non-windowed control showing a picture.
//
// The picture is drawn at its own size with its top-left on the control's,
// unless Center (centred in the control) or Stretch (scaled onto the whole
// control, which wins over Center). Whatever the picture does not cover
// shows the parent. With AutoSize the control takes the picture's size
// whenever the picture changes (an empty picture leaves the size alone).
// Transparent passes on to the picture, so its transparent colour shows the
// parent through it.

#include <string>

#include "framework/graphic_control.h"
#include "framework/picture.h"

namespace quendar {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    std::string ClassName() const override { return "TImage"; }

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    void SetPicture(const TPicture& value) { picture_.Assign(value); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // Where the picture is drawn, in client coordinates; empty without one.
    Rect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    TPicture picture_;
    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
    // Set while the control passes Transparent on, which changes the picture too.
    bool passingTransparency_ = false;
};

}  // namespace quendar
