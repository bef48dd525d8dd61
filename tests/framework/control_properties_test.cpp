#include <gtest/gtest.h>

#include "control_test_support.h"
#include "framework/control_properties.h"
#include "framework/definition_reader.h"
#include "framework/definition_text.h"
#include "framework/definition_writer.h"
#include "framework/graphics_properties.h"

namespace quendar::testing_support {
namespace {

constexpr const char* SampleText = R"(object SampleForm: TForm
  Left = 685
  Top = 466
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Brisvane Quendar'
  ClientHeight = 196
  ClientWidth = 555
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  object Group: TCustomControl
    Left = 10
    Top = 10
    Width = 200
    Height = 100
    TabOrder = 2
    object Last: TCustomControl
      Left = 5
      Width = 20
      Height = 20
      TabOrder = 0
      TabStop = True
    end
  end
  object Second: TCustomControl
    Left = 300
    Width = 20
    Height = 20
    TabOrder = 1
    TabStop = True
  end
  object First: TCustomControl
    Left = 330
    Width = 20
    Height = 20
    TabOrder = 0
    TabStop = True
  end
  object Strip: TGraphicControl
    Top = 150
    Height = 10
    Align = alBottom
    Color = clRed
  end
end
)";

class ControlPropertiesTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        RegisterGraphicsClasses(registry);
        RegisterControlClasses(registry);
    }
    ClassRegistry registry;
};

TEST_F(ControlPropertiesTest, SampleFormReadsBackWithItsLayoutAndFocusOrder) {
    FormPtr form(CreateComponent<TForm>(nullptr));
    ReadDefinition(*form, CompileDefinitionText(SampleText), registry);

    EXPECT_EQ(form->Caption(), "Brisvane Quendar");
    EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsSingle);
    EXPECT_EQ(form->ClientRect(), Rect::FromSize(0, 0, 555, 196));
    auto* group = dynamic_cast<TWinControl*>(form->FindComponent("Group"));
    auto* last = dynamic_cast<TWinControl*>(form->FindComponent("Last"));
    auto* strip = dynamic_cast<TControl*>(form->FindComponent("Strip"));
    ASSERT_NE(group, nullptr);
    ASSERT_NE(last, nullptr);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(last->Parent(), group);
    EXPECT_EQ(strip->BoundsRect(), Rect::FromSize(0, 186, 555, 10));
    EXPECT_EQ(strip->Color(), clRed);

    form->Show();
    robot->Pump();
    // Centred on the 800 x 600 screen instead of the stored place.
    EXPECT_EQ(form->Left(), (800 - form->Width()) / 2);
    EXPECT_EQ(form->Top(), (600 - form->Height()) / 2);
    std::vector<std::string> order;
    for (int i = 0; i < 4; ++i) {
        order.push_back(TWinControl::FindControl(GetFocus())->Name());
        Press(VK_TAB);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"First", "Second", "Last", "First"}));
}

TEST_F(ControlPropertiesTest, WritingKeepsOnlyValuesAwayFromTheirDefaults) {
    FormPtr form(CreateComponent<TForm>(nullptr));
    form->SetName("Plain");
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    std::string text = PrintDefinitionText(DefinitionTreeOf(*form, registry));
    EXPECT_NE(text.find("BorderStyle = bsDialog"), std::string::npos) << text;
    for (const char* absent : {"  Visible =", "  Color =", "  BorderIcons =", "  Position =", "  Enabled =", "  Align ="})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << " in\n" << text;
}

}  // namespace
}  // namespace quendar::testing_support
