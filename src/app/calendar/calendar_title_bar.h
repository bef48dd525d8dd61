#pragma once
// The month calendar's title bar and its four navigation buttons.
//
// TsDragBar is the bar above the day grid that shows the month and year;
// a double click on it selects today in the calendar that holds it.
// TsTimerSpeedButton is a flat navigation button; AllowTimer is kept and
// stored but changes nothing (the button never repeats).

#include <string>

#include "framework/std_panel.h"
#include "framework/std_speed_button.h"

namespace quendar {

class TsDragBar : public TPanel {
public:
    explicit TsDragBar(TComponent* owner);

    std::string ClassName() const override { return "TsDragBar"; }

    void DblClick() override;

protected:
    // The bar follows the calendar's font, in bold and in the caption-text
    // colour, although its own font therefore differs from the parent's.
    void CMParentFontChanged(TMessage& message) override;
};

class TsTimerSpeedButton : public TSpeedButton {
public:
    explicit TsTimerSpeedButton(TComponent* owner) : TSpeedButton(owner) {}

    std::string ClassName() const override { return "TsTimerSpeedButton"; }

    bool AllowTimer() const { return allowTimer_; }
    void SetAllowTimer(bool value) { allowTimer_ = value; }

private:
    bool allowTimer_ = true;
};

}  // namespace quendar
