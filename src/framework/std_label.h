#pragma once
// TCustomLabel / TLabel: static text painted on the parent.
//
// With AutoSize the label takes the size of its text whenever the text, the
// font or the layout options change; a right-aligned label keeps its right
// edge, any other its left edge. With WordWrap the width stays and the text
// wraps into it. Layout places the text block at the top, the middle or the
// bottom of the label. "&x" underlines x unless ShowAccelChar is off, and
// then Alt+x (the form's dialog character) focuses FocusControl.
//
// Text drawing goes through DoDrawText, which measures too (DT_CALCRECT);
// a subclass overrides it to draw the text its own way.

#include <string>

#include "framework/graphic_control.h"
#include "framework/std_control_types.h"

namespace quendar {

class TWinControl;

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);

    std::string ClassName() const override { return "TCustomLabel"; }
    void Loaded() override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Transparent: the parent shows around the letters; otherwise the label
    // fills itself with Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* value);

protected:
    void Paint() override;
    // Draws (or with DT_CALCRECT measures into `rect`) the label's text
    // with the canvas, in the label's font; disabled text is embossed.
    virtual void DoDrawText(Rect& rect, unsigned flags);
    virtual std::string GetLabelText() const { return Caption(); }
    // Resizes to the text when AutoSize is on.
    virtual void AdjustBounds();

    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    virtual void CMDialogChar(TMessage& message);

private:
    unsigned TextFlags() const;

    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
    std::string ClassName() const override { return "TLabel"; }
};

}  // namespace quendar
