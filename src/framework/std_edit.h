#pragma once
// TCustomEdit / TEdit: the single-line text field.
//
// The control is its own edit window class: DefaultHandler does what the
// window system's edit control would (keys, characters, mouse, focus,
// caret blinking, the context menu, the frame), so a derived control that
// handles a message in WndProc and then passes it on keeps this behaviour.
//
// Geometry: the frame lives in the non-client area. WM_NCCALCSIZE shrinks
// the client area by BorderSize() on every side and WM_NCPAINT draws the
// frame there: with BorderStyle bsSingle a two-pixel sunken ring (Ctl3D)
// or a one-pixel line, and outside it one ring per bevel when BevelKind is
// set. The client area holds the text only; a skinned edit paints its own
// ring over the same non-client pixels and leaves the text to this class.
//
// Text: UTF-8; the caret moves by character (code point). Text and Caption
// are the field's content. OnChange fires whenever the content really
// changes, by typing or by the program, but not while loading.
//
// Sections (files):
//   properties, text, selection, clipboard   std_edit.cpp
//   keys, characters, mouse, context menu    std_edit_input.cpp
//   frame, text painting, caret, scrolling   std_edit_painting.cpp

#include <string>
#include <vector>

#include "framework/edit_buffer.h"
#include "framework/std_control_types.h"
#include "framework/win_control.h"

namespace quendar {

enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    std::string ClassName() const override { return "TCustomEdit"; }

    // --- properties ------------------------------------------------------------------
    // Select the whole text when the field gets the focus from the keyboard.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    TBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TBevelKind value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    // Hide the selection while the field does not have the focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    // Characters; 0: no limit. Limits typing and pasting, not Text.
    int MaxLength() const { return buffer_.MaxLength(); }
    void SetMaxLength(int value) { buffer_.SetMaxLength(value); }
    // Shown once per character instead of the text; 0: the text itself.
    // A field with a password character never gives its text to the clipboard.
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    // Set by every change of the text, by the user or the program.
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }

    // Width of the frame on each side: 2 (single, 3-D) or 1 (single, flat)
    // or 0, plus one pixel per bevel other than bvNone when BevelKind is set.
    int BorderSize() const;

    // --- selection (character positions) -----------------------------------------------
    int SelStart() const { return buffer_.SelStart(); }
    void SetSelStart(int value);
    int SelLength() const { return buffer_.SelLength(); }
    void SetSelLength(int value);
    std::string SelText() const { return buffer_.SelText(); }
    // Replaces the selection (first line only, within MaxLength); ignores ReadOnly.
    void SetSelText(const std::string& value);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(""); }

    // --- clipboard and undo --------------------------------------------------------------
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return buffer_.CanUndo(); }
    void Undo();
    void ClearUndo();

    // The editing model, for reading.
    const EditBuffer& Buffer() const { return buffer_; }
    // How far the text is scrolled left, in pixels.
    int ScrollOffset() const { return scroll_; }
    // The caret's column in client coordinates, and whether it shows now.
    int CaretX();
    bool CaretShowing() const { return caretShowing_; }
    // The character position nearest to a client x coordinate.
    int PositionAt(int x);

    TNotifyEvent OnChange;

    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    Rect ClientRect() const override;

    // Layout of the client area: the text starts TextMargin pixels in from
    // the left and top; the caret is one pixel wide.
    static constexpr int TextMargin = 1;
    static constexpr UINT CaretBlinkMilliseconds = 500;
    // The window timer that blinks the caret.
    static constexpr UINT_PTR CaretTimer = 1;

protected:
    // Fires OnChange.
    virtual void Change();
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void CMEnter(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    // Draws the frame onto `dc`, whose origin is the window's top-left.
    virtual void PaintFrame(DeviceContext& dc);

private:
    // --- std_edit.cpp
    // Stores the buffer's text as the control's text and reports the change.
    void TextEdited();
    void FrameChanged();
    void SyncFromSetText();
    // --- std_edit_input.cpp
    bool HandleKey(int key);
    void HandleCharacter(char32_t character);
    void HandleMouse(TMessage& message);
    void ShowContextMenu(LPARAM screenPoint);
    void RunMenuCommand(UINT command);
    bool CanEdit() const { return !readOnly_ && Enabled(); }
    // --- std_edit_painting.cpp
    void PaintText(DeviceContext& dc);
    void PrintFrameAndText(TMessage& message);
    const std::vector<int>& Offsets();
    std::string DisplayText() const;
    int LineHeight();
    // Scrolls so the caret shows, shows the caret and restarts its blinking.
    void CaretMoved();
    void StartCaret();
    void StopCaret();

    EditBuffer buffer_;
    bool autoSelect_ = true;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
    TBevelKind bevelKind_ = TBevelKind::bkNone;
    TBevelCut bevelInner_ = TBevelCut::bvRaised;
    TBevelCut bevelOuter_ = TBevelCut::bvLowered;
    bool hideSelection_ = true;
    char32_t passwordChar_ = 0;
    bool readOnly_ = false;
    bool modified_ = false;

    // Pixel offset of every character boundary of the shown text.
    std::vector<int> offsets_;
    bool offsetsValid_ = false;
    int lineHeight_ = 0;
    int scroll_ = 0;
    bool caretShowing_ = false;
    bool selecting_ = false;  // the left button drags a selection
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
    std::string ClassName() const override { return "TEdit"; }
};

}  // namespace quendar
