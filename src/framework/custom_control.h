#pragma once
// TCustomControl: a windowed control that paints its own content through
// Canvas in Paint; its non-windowed children are painted over it afterwards.

#include "framework/canvas.h"
#include "framework/win_control.h"

namespace quendar {

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}

    std::string ClassName() const override { return "TCustomControl"; }

    // Only usable inside Paint.
    TCanvas& Canvas() { return canvas_; }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    TCanvas canvas_;
};

}  // namespace quendar
