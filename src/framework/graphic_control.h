#pragma once
// TGraphicControl: a control without a window of its own. Its parent paints
// it (TWinControl::PaintControls) and hands it the mouse; it draws through
// Canvas during Paint only, with the origin on its top-left and the clip on
// its bounds.

#include "framework/canvas.h"
#include "framework/control.h"
#include "platform/window_dc.h"

namespace quendar {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}

    std::string ClassName() const override { return "TGraphicControl"; }

    // Only usable inside Paint.
    TCanvas& Canvas() { return canvas_; }

protected:
    virtual void Paint() {}
    void WMPaint(TMessage& message) override;

private:
    TCanvas canvas_;
};

}  // namespace quendar
