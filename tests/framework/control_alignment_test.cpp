#include <gtest/gtest.h>

#include "control_test_support.h"

namespace quendar::testing_support {
namespace {

// A container whose aligned children keep three more pixels from its edges.
class InsetBox : public TCustomControl {
public:
    explicit InsetBox(TComponent* owner) : TCustomControl(owner) {
        SetControlStyle(ControlStyle() | TControlStyle::csAcceptsControls);
    }

protected:
    void AdjustClientRect(Rect& rect) override { rect = rect.Inflate(-3, -3); }
};

class ControlAlignmentTest : public ControlTest {
protected:
    static Swatch* Aligned(TWinControl& parent, TAlign align, Rect bounds) {
        Swatch* swatch = Add<Swatch>(parent, bounds);
        swatch->SetAlign(align);
        return swatch;
    }
};

TEST_F(ControlAlignmentTest, EdgesAreTakenInOrderInsideBorderWidthAndFollowResizing) {
    FormPtr form = MakeForm(200, 120);
    form->SetBorderWidth(5);
    Swatch* second = Aligned(*form, TAlign::alTop, Rect::FromSize(0, 50, 10, 20));
    Swatch* first = Aligned(*form, TAlign::alTop, Rect::FromSize(0, 0, 10, 10));
    Swatch* bottom = Aligned(*form, TAlign::alBottom, Rect::FromSize(0, 0, 10, 15));
    Swatch* left = Aligned(*form, TAlign::alLeft, Rect::FromSize(0, 0, 30, 10));
    Swatch* right = Aligned(*form, TAlign::alRight, Rect::FromSize(0, 0, 25, 10));
    Swatch* client = Aligned(*form, TAlign::alClient, Rect::FromSize(0, 0, 1, 1));
    Swatch* hidden = Aligned(*form, TAlign::alTop, Rect::FromSize(0, 0, 10, 7));
    hidden->Hide();

    struct Expect {
        Swatch* Control;
        Rect Small;  // client 200 x 120
        Rect Large;  // client 300 x 200
    } expected[] = {
        {first, Rect::FromSize(5, 5, 190, 10), Rect::FromSize(5, 5, 290, 10)},
        {second, Rect::FromSize(5, 15, 190, 20), Rect::FromSize(5, 15, 290, 20)},
        {bottom, Rect::FromSize(5, 100, 190, 15), Rect::FromSize(5, 180, 290, 15)},
        {left, Rect::FromSize(5, 35, 30, 65), Rect::FromSize(5, 35, 30, 145)},
        {right, Rect::FromSize(170, 35, 25, 65), Rect::FromSize(270, 35, 25, 145)},
        {client, Rect::FromSize(35, 35, 135, 65), Rect::FromSize(35, 35, 235, 145)},
    };
    for (const Expect& e : expected) EXPECT_EQ(e.Control->BoundsRect(), e.Small) << e.Control->Top();

    form->Show();
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    robot->Pump();
    for (const Expect& e : expected) EXPECT_EQ(e.Control->BoundsRect(), e.Large) << e.Control->Top();
    EXPECT_EQ(hidden->Height(), 7);
}

TEST_F(ControlAlignmentTest, AdjustClientRectShrinksTheAreaAfterBorderWidth) {
    FormPtr form = MakeForm();
    InsetBox* box = Add<InsetBox>(*form, Rect::FromSize(10, 10, 50, 40));
    box->SetBorderWidth(2);
    Swatch* fill = Aligned(*box, TAlign::alClient, Rect::FromSize(0, 0, 1, 1));
    EXPECT_EQ(fill->BoundsRect(), Rect::FromSize(5, 5, 40, 30));
    form->Show();
    robot->Pump();
    box->SetWidth(60);
    EXPECT_EQ(fill->BoundsRect(), Rect::FromSize(5, 5, 50, 30));
}

TEST_F(ControlAlignmentTest, AnchorsKeepDistancesWhenTheParentGrows) {
    FormPtr form = MakeForm(200, 120);
    struct Case {
        TAnchors Anchors;
        Rect Before;
        Rect After;  // client grown by 100 x 80
    } cases[] = {
        {TAnchors::akLeft | TAnchors::akTop, Rect::FromSize(10, 10, 20, 20), Rect::FromSize(10, 10, 20, 20)},
        {TAnchors::akLeft | TAnchors::akRight | TAnchors::akTop, Rect::FromSize(10, 10, 100, 20),
         Rect::FromSize(10, 10, 200, 20)},
        {TAnchors::akRight | TAnchors::akBottom, Rect::FromSize(150, 90, 20, 10), Rect::FromSize(250, 170, 20, 10)},
        {TAnchors::akTop | TAnchors::akBottom | TAnchors::akLeft, Rect::FromSize(0, 5, 10, 100),
         Rect::FromSize(0, 5, 10, 180)},
        {TAnchors::akNone, Rect::FromSize(90, 50, 20, 20), Rect::FromSize(140, 90, 20, 20)},
    };
    std::vector<Swatch*> swatches;
    for (const Case& c : cases) {
        Swatch* swatch = Add<Swatch>(*form, c.Before);
        swatch->SetAnchors(c.Anchors);
        swatches.push_back(swatch);
    }
    form->Show();
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    for (std::size_t i = 0; i < swatches.size(); ++i) EXPECT_EQ(swatches[i]->BoundsRect(), cases[i].After) << i;
    form->SetClientWidth(200);
    form->SetClientHeight(120);
    for (std::size_t i = 0; i < swatches.size(); ++i) EXPECT_EQ(swatches[i]->BoundsRect(), cases[i].Before) << i;
}

}  // namespace
}  // namespace quendar::testing_support
