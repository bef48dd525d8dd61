// The stored properties of TButton, TLabel, TPanel and TSpeedButton: read
// from a window definition, written back without their defaults.

#include "framework/std_buttons_registration.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "framework/control_properties.h"
#include "framework/definition_reader.h"
#include "framework/definition_text.h"
#include "framework/definition_writer.h"
#include "framework/graphics_properties.h"
#include "framework/std_button.h"
#include "framework/std_label.h"
#include "framework/std_panel.h"
#include "framework/std_speed_button.h"

namespace quendar::testing_support {
namespace {

constexpr const char* SampleText = R"(object SampleForm: TForm
  ClientHeight = 200
  ClientWidth = 400
  object Calendar: TPanel
    Left = 200
    Top = 10
    Width = 178
    Height = 139
    BorderWidth = 3
    Caption = ' '
    ParentBackground = False
    object Prior: TSpeedButton
      Left = 4
      Top = 4
      Width = 18
      Height = 22
      Caption = '<'
      Flat = True
      GroupIndex = 1
      Down = True
    end
  end
  object Caption: TLabel
    Left = 19
    Top = 86
    Width = 67
    Height = 13
    Alignment = taRightJustify
    Caption = 'Date 1 (Start)'
    FocusControl = Copy
  end
  object Copy: TButton
    Left = 219
    Top = 79
    Width = 129
    Height = 25
    Caption = 'Use Calendar Date'
    Default = True
    TabOrder = 0
  end
end
)";

class ButtonRegistrationTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        RegisterGraphicsClasses(registry);
        RegisterControlClasses(registry);
        RegisterButtonClasses(registry);
    }
    ClassRegistry registry;
};

TEST_F(ButtonRegistrationTest, DefinitionSetsEveryStoredProperty) {
    FormPtr form(CreateComponent<TForm>(nullptr));
    ReadDefinition(*form, CompileDefinitionText(SampleText), registry);
    auto* calendar = dynamic_cast<TPanel*>(form->FindComponent("Calendar"));
    auto* prior = dynamic_cast<TSpeedButton*>(form->FindComponent("Prior"));
    auto* label = dynamic_cast<TLabel*>(form->FindComponent("Caption"));
    auto* copy = dynamic_cast<TButton*>(form->FindComponent("Copy"));
    ASSERT_TRUE(calendar && prior && label && copy);
    EXPECT_FALSE(calendar->ParentBackground());
    EXPECT_EQ(calendar->BorderWidth(), 3);
    EXPECT_EQ(prior->Parent(), calendar);
    EXPECT_TRUE(prior->Down());
    EXPECT_TRUE(prior->Flat());
    EXPECT_EQ(label->FocusControl(), copy);
    EXPECT_EQ(label->Alignment(), TAlignment::taRightJustify);
    // Sized to its text once loaded, keeping the right edge at 86.
    EXPECT_EQ(label->Left() + label->Width(), 86);
    EXPECT_TRUE(copy->Default());
    EXPECT_TRUE(copy->TabStop());
}

TEST_F(ButtonRegistrationTest, DefaultsAreNotWritten) {
    FormPtr form(CreateComponent<TForm>(nullptr));
    form->SetName("Plain");
    Add<TPanel>(*form, Rect::FromSize(0, 0, 50, 50))->SetName("APanel");
    Add<TButton>(*form, Rect::FromSize(0, 0, 50, 50))->SetName("AButton");
    Add<TLabel>(*form, Rect::FromSize(0, 0, 50, 50))->SetName("ALabel");
    Add<TSpeedButton>(*form, Rect::FromSize(0, 0, 50, 50))->SetName("ASpeedButton");
    std::string text = PrintDefinitionText(DefinitionTreeOf(*form, registry));
    for (const char* absent :
         {" ParentBackground =", " TabStop =", " AutoSize =", " ParentColor =", " Margin =", " Spacing =",
          " Color =", " Alignment =", " BevelOuter =", " BevelWidth =", " Glyph", " Down =", " Default ="})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent << " in\n" << text;

    FormPtr copy(CreateComponent<TForm>(nullptr));
    ReadDefinition(*copy, CompileDefinitionText(text), registry);
    auto* label = dynamic_cast<TLabel*>(copy->FindComponent("ALabel"));
    auto* panel = dynamic_cast<TPanel*>(copy->FindComponent("APanel"));
    ASSERT_TRUE(label && panel);
    EXPECT_TRUE(label->ParentColor());
    EXPECT_TRUE(panel->ParentBackground());
}

TEST_F(ButtonRegistrationTest, DamagedGlyphIsRefusedAndTheOldOneKept) {
    TComponentPtr<TSpeedButton> button(CreateComponent<TSpeedButton>(nullptr));
    button->Glyph().SetSize(2, 2);
    const PublishedProperty* glyph = SpeedButtonProperties().Find("Glyph");
    ASSERT_NE(glyph, nullptr);
    for (std::vector<std::uint8_t> bytes :
         {std::vector<std::uint8_t>{1, 2, 3},
          std::vector<std::uint8_t>{'B', 'M', 0xFF, 0xFF, 0xFF, 0x7F, 0, 0}}) {
        EXPECT_ANY_THROW(glyph->Set(*button, DefinitionValue::OfBinary(bytes)));
        EXPECT_EQ(button->Glyph().Width(), 2);
    }
}

}  // namespace
}  // namespace quendar::testing_support
