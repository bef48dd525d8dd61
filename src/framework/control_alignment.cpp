// TWinControl: placing aligned children in the client area and keeping
// anchored children at their distances when the client area changes size.

#include <algorithm>
#include <array>

#include "framework/win_control.h"
#include "platform/window_system.h"

namespace quendar {

namespace {

// The order in which aligned children of one kind take their edge: the one
// nearest to that edge first.
bool AlignsBefore(TAlign align, const TControl* a, const TControl* b) {
    switch (align) {
        case TAlign::alTop: return a->Top() < b->Top();
        case TAlign::alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case TAlign::alLeft: return a->Left() < b->Left();
        case TAlign::alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
    }
}

}  // namespace

void TWinControl::Realign() {
    constexpr TComponentState busy =
        TComponentState::csLoading | TComponentState::csReading | TComponentState::csDestroying;
    if (alignDisabled_ > 0 || aligning_ || Contains(ComponentState(), busy)) {
        alignPending_ = true;
        return;
    }
    AlignChildren();
}

void TWinControl::EnableAlign() {
    if (alignDisabled_ == 0) return;
    if (--alignDisabled_ == 0 && alignPending_) Realign();
}

void TWinControl::AlignChildren() {
    alignPending_ = false;
    aligning_ = true;
    Rect client = ClientRect();
    Rect rect = client.Inflate(-borderWidth_, -borderWidth_);
    AdjustClientRect(rect);
    try {
        AlignControls(nullptr, rect);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
    // Requests from the children moved during this pass are answered by it.
    alignPending_ = false;
}

void TWinControl::AdjustClientRect(Rect&) {}

void TWinControl::AlignControls(TControl*, Rect& rect) {
    Rect client = ClientRect();
    Size parentSize{client.Width(), client.Height()};
    auto place = [](TControl* child, const Rect& bounds) {
        child->anchorMove_ = true;
        try {
            child->SetBoundsRect(bounds);
        } catch (...) {
            child->anchorMove_ = false;
            throw;
        }
        child->anchorMove_ = false;
    };

    std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        if (child->Align() != TAlign::alNone || child->Anchors() == (TAnchors::akLeft | TAnchors::akTop)) continue;
        place(child, child->AnchoredBounds(parentSize));
    }

    constexpr std::array order{TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
    for (TAlign align : order) {
        std::vector<TControl*> group;
        for (TControl* child : children) {
            if (child->Align() == align && child->Visible()) group.push_back(child);
        }
        std::stable_sort(group.begin(), group.end(),
                         [align](const TControl* a, const TControl* b) { return AlignsBefore(align, a, b); });
        for (TControl* child : group) {
            int width = std::max(0, rect.Width());
            int height = std::max(0, rect.Height());
            switch (align) {
                case TAlign::alTop:
                    place(child, Rect::FromSize(rect.Left, rect.Top, width, child->Height()));
                    rect.Top += child->Height();
                    break;
                case TAlign::alBottom:
                    place(child, Rect::FromSize(rect.Left, rect.Bottom - child->Height(), width, child->Height()));
                    rect.Bottom -= child->Height();
                    break;
                case TAlign::alLeft:
                    place(child, Rect::FromSize(rect.Left, rect.Top, child->Width(), height));
                    rect.Left += child->Width();
                    break;
                case TAlign::alRight:
                    place(child, Rect::FromSize(rect.Right - child->Width(), rect.Top, child->Width(), height));
                    rect.Right -= child->Width();
                    break;
                case TAlign::alClient:
                    place(child, Rect::FromSize(rect.Left, rect.Top, width, height));
                    break;
                case TAlign::alNone:
                    break;
            }
        }
    }
}

void TWinControl::WMSize(TMessage& message) {
    if (message.WParam != SIZE_MINIMIZED) {
        UpdateBoundsFromWindow();
        Realign();
    }
    DefaultHandler(message);
}

void TWinControl::WMMove(TMessage& message) {
    if (!IsIconic(handle_)) UpdateBoundsFromWindow();
    DefaultHandler(message);
}

}  // namespace quendar
